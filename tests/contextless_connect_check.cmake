# Fails when a connection to a function or lambda names no context object: such a connection
# outlives the handler it calls. Qt enforces this from 6.7 (QT_NO_CONTEXTLESS_CONNECT); this
# check covers the Qt the program is built with. Run with -DSOURCE_DIR=<repository>.
file(GLOB_RECURSE sources ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h
     ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/bench/*.cpp)
set(found "")
foreach(source IN LISTS sources)
    file(READ ${source} text)
    # connect(sender, &Signal, [ or connect(sender, &Signal, &Function): three arguments.
    string(REGEX MATCHALL "connect\\([^,;()]+,[ \n]*&[A-Za-z_:]+,[ \n]*(\\[|&[A-Za-z_:]+\\))"
           matches "${text}")
    foreach(match IN LISTS matches)
        string(APPEND found "${source}: ${match}\n")
    endforeach()
endforeach()
if(found)
    message(FATAL_ERROR "connections without a context object:\n${found}")
endif()
