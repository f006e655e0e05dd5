// vemora_win_bench repaint COUNT: the main window repainted COUNT times with its skinned
// controls, against the same layout of plain platform controls, in the same run.
#pragma once

namespace vemora::bench {

int RepaintBench(int count);

}  // namespace vemora::bench
