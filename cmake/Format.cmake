# "ninja format" applies .clang-format to every C and C++ file git tracks;
# the format_check test (built with the tests, which need clang-format)
# fails when a file strays from it.
find_program(CLANG_FORMAT NAMES clang-format-14 clang-format)
set(VANTOR_FORMAT_FILES "git ls-files -z -- '*.cpp' '*.h' '*.c' ':!tests/fuzz/corpus/*'")
if(CLANG_FORMAT)
  add_custom_target(format
    COMMAND sh -c "${VANTOR_FORMAT_FILES} | xargs -0 ${CLANG_FORMAT} -i"
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Formatting the sources"
    VERBATIM)
endif()
