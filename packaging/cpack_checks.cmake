# Read by cpack as it runs. Without dpkg-shlibdeps (package dpkg-dev) CPack would write a
# package whose Depends line lacks the Qt libraries, and without file it stops half-way: both
# are refused before anything is written.
if(CPACK_GENERATOR STREQUAL "DEB")
    foreach(tool dpkg-shlibdeps file)
        find_program(found_${tool} ${tool} NO_CMAKE_SYSTEM_PATH)
        if(NOT found_${tool})
            message(FATAL_ERROR "${tool} is missing, and without it the package would lack its "
                                "dependencies: install dpkg-dev and file (scripts/package.sh "
                                "does), then package again.")
        endif()
    endforeach()
endif()
