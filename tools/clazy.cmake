# Runs clazy's checks VELLUMARK_CLAZY_CHECKS on every target defined after this, with clazy as
# the compiler (the clazy preset). clazy reads one list of checks per compile, and a misspelt
# name in it drops that check with a line of output and no error, so before anything is built
# a file with a known finding of each check named here must be reported, or the configure stops.

if(NOT CMAKE_CXX_COMPILER MATCHES "clazy$")
    message(FATAL_ERROR "VELLUMARK_CLAZY_CHECKS needs clazy as the compiler: use the clazy preset")
endif()

set(VELLUMARK_CLAZY_OPTION "-Xclang -plugin-arg-clazy -Xclang ${VELLUMARK_CLAZY_CHECKS}")

# Each known finding, by the check that must report it.
set(clazy_canary_qfileinfo-exists
    "#include <QFileInfo>\nbool found(const QString& path) { return QFileInfo(path).exists(); }\n")
set(clazy_canary_non-pod-global-static
    "#include <QString>\nconst QString kName = QStringLiteral(\"x\");\n")
set(clazy_canary_missing-qobject-macro
    "#include <QObject>\nclass Plain : public QObject {\npublic:\n    using QObject::QObject;\n};\n")
set(clazy_canary_copyable-polymorphic
    "struct Shape {\n    virtual ~Shape() = default;\n    virtual int sides() const = 0;\n};\n")
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
foreach(check qfileinfo-exists non-pod-global-static missing-qobject-macro copyable-polymorphic)
    set(canary ${CMAKE_BINARY_DIR}/clazy-canary/${check}.cpp)
    file(WRITE ${canary} "${clazy_canary_${check}}")
    separate_arguments(option UNIX_COMMAND "${VELLUMARK_CLAZY_OPTION}")
    try_compile(compiled ${CMAKE_BINARY_DIR}/clazy-canary/${check} SOURCES ${canary}
        COMPILE_DEFINITIONS ${option}
        LINK_LIBRARIES Qt6::Core
        OUTPUT_VARIABLE output)
    if(NOT output MATCHES "\\[-Wclazy-${check}\\]")
        message(FATAL_ERROR "clazy with checks '${VELLUMARK_CLAZY_CHECKS}' did not report "
                            "${check} in ${canary}:\n${output}")
    endif()
endforeach()
unset(CMAKE_TRY_COMPILE_TARGET_TYPE)

add_compile_options("SHELL:${VELLUMARK_CLAZY_OPTION}")
