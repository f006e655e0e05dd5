// The program's fixed addresses and texts. The addresses are placeholders until the
// project has its own site.
#pragma once

namespace vemora {

inline constexpr char kApplicationTitle[] = "Vemora";
inline constexpr char kUpdateUrl[] = "https://vemora.example/update.html";
inline constexpr char kHomePageUrl[] = "https://vemora.example/";
inline constexpr char kMailAddress[] = "support@vemora.example";
inline constexpr char kHelpFileName[] = "VemoraHelp.chm";

}  // namespace vemora
