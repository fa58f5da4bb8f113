file(GLOB_RECURSE sources
     ${SOURCE_DIR}/machine/*.h ${SOURCE_DIR}/machine/*.cpp
     ${SOURCE_DIR}/exercises/*.h ${SOURCE_DIR}/exercises/*.cpp ${SOURCE_DIR}/layout/*.h ${SOURCE_DIR}/layout/*.cpp
     ${SOURCE_DIR}/web/*.h ${SOURCE_DIR}/web/*.cpp ${SOURCE_DIR}/web/site/*.js
     ${SOURCE_DIR}/window/*.h ${SOURCE_DIR}/window/*.cpp
     ${SOURCE_DIR}/app/*.cpp ${SOURCE_DIR}/tests/*.h ${SOURCE_DIR}/tests/*.cpp
     ${SOURCE_DIR}/bench/*.cpp)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "clang-format: files above are not formatted")
endif()
