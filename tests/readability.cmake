# Readable on screen and on paper: where controls, dialogs and printed pages are laid out,
# and the date text.
vellumark_add_test(tst_generaldate CORE core/text/tst_generaldate.cpp)
vellumark_add_test(tst_printmargins ui/print/tst_printmargins.cpp)
vellumark_add_test(tst_placement CORE core/layout/tst_placement.cpp)

# The window's test needs an X display, where windows are placed and painted for real.
find_program(XVFB_RUN xvfb-run)
add_executable(tst_readability ui/mainwindow/tst_readability.cpp)
target_link_libraries(tst_readability PRIVATE vellumark_testsupport)
if(XVFB_RUN)
    add_test(NAME tst_readability
             COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x800x24" $<TARGET_FILE:tst_readability>)
    set_tests_properties(tst_readability PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb" TIMEOUT 120)
endif()
