// Tests of the hyperlink label.
