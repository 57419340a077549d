# Readable on screen and on paper: where controls, dialogs and printed pages are laid out,
# and the date text.
vellumark_add_test(tst_generaldate CORE core/text/tst_generaldate.cpp)
vellumark_add_test(tst_printedpage CORE core/print/tst_printedpage.cpp)
vellumark_add_test(tst_printmargins ui/print/tst_printmargins.cpp)
vellumark_add_test(tst_placement CORE core/layout/tst_placement.cpp)
