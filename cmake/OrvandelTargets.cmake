# orvandel_library(<target> [DEPS <targets>...])
# Builds every .cpp of the calling folder into a static library whose headers are
# included by folder name ("calendar/ProtoDate.h").
function(orvandel_library target)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
    file(GLOB headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
    if(NOT sources)
        # A folder whose sources have not been written yet.
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR})
        target_link_libraries(${target} INTERFACE ${ARG_DEPS})
        return()
    endif()
    add_library(${target} STATIC ${sources} ${headers})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${ARG_DEPS})
endfunction()

# orvandel_gtest(<target> [WITH_EPHEMERIS] [DEPS <targets>...])
# One GoogleTest program from every .cpp of the calling folder, registered with ctest.
# WITH_EPHEMERIS starts the ephemeris and the observer places around the whole program, in the
# program's own order.
function(orvandel_gtest target)
    cmake_parse_arguments(ARG "WITH_EPHEMERIS" "" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
    if(NOT sources)
        return()
    endif()
    if(ARG_WITH_EPHEMERIS)
        list(APPEND sources "${PROJECT_SOURCE_DIR}/tests/support/EphemerisEnvironment.cpp")
        list(APPEND ARG_DEPS orvandel_classes orvandel_ephemeris)
    endif()
    add_executable(${target} ${sources})
    target_link_libraries(${target} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
    target_compile_definitions(${target} PRIVATE
        ORVANDEL_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
    add_test(NAME ${target} COMMAND ${target})
endfunction()
