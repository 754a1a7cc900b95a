# Helpers shared by the folder CMake files.

# A static library of one layer; the layer decides what it may link.
function(lodrin_layer_library name layer)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
    set_target_properties(${name} PROPERTIES LODRIN_LAYER ${layer})
    if(layer STREQUAL "imaging")
        target_link_libraries(${name} PUBLIC Qt6::Gui)
    elseif(layer STREQUAL "windows")
        target_link_libraries(${name} PUBLIC Qt6::Widgets)
        set_target_properties(${name} PROPERTIES AUTOMOC ON)
    endif()
endfunction()

# lodrin_logic_library(name sources...): standard library and database libraries only;
# the configure step fails if it reaches Qt.
function(lodrin_logic_library name)
    lodrin_layer_library(${name} logic ${ARGN})
endfunction()

# lodrin_imaging_library(name sources...): QImage and QPainter, no widgets.
function(lodrin_imaging_library name)
    lodrin_layer_library(${name} imaging ${ARGN})
endfunction()

# lodrin_windows_library(name sources...): forms and dialogs.
function(lodrin_windows_library name)
    lodrin_layer_library(${name} windows ${ARGN})
endfunction()

# lodrin_test(name LIBS libs... [WINDOWS]): one GoogleTest program, registered with CTest.
# Window tests run on Qt's offscreen platform.
function(lodrin_test name)
    cmake_parse_arguments(T "WINDOWS" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock Threads::Threads)
    target_compile_definitions(${name} PRIVATE
        LODRIN_SHARED_DIR="${LODRIN_SHARED_DIR}"
        LODRIN_TEST_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    set(props)
    if(T_WINDOWS)
        # The window test main installs Qt's Chinese texts as the programs do.
        target_link_libraries(${name} PRIVATE Qt6::Test lodrin_platform)
        set_target_properties(${name} PROPERTIES AUTOMOC ON)
        set(props ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    endif()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 PROPERTIES ${props})
endfunction()

# lodrin_bench(name SOURCES ... LIBS ...): a Google Benchmark program, run by hand.
function(lodrin_bench name)
    cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${B_SOURCES})
    target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark Threads::Threads)
    target_compile_definitions(${name} PRIVATE LODRIN_SHARED_DIR="${LODRIN_SHARED_DIR}")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endfunction()

# Fails the configure step when a logic library reaches Qt through its links,
# or an imaging library reaches Qt Widgets.
function(lodrin_check_layer target layer seen)
    get_target_property(libs ${target} LINK_LIBRARIES)
    if(NOT libs)
        return()
    endif()
    foreach(lib IN LISTS libs)
        if(lib MATCHES "^Qt6::")
            if(layer STREQUAL "logic" OR lib STREQUAL "Qt6::Widgets")
                message(FATAL_ERROR "${target} (${layer} layer) links ${lib}")
            endif()
        elseif(TARGET ${lib} AND NOT lib IN_LIST seen)
            list(APPEND seen ${lib})
            lodrin_check_layer(${lib} ${layer} "${seen}")
        endif()
    endforeach()
endfunction()

function(lodrin_check_layers)
    foreach(dir IN ITEMS ${ARGN})
        get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
        foreach(t IN LISTS targets)
            get_target_property(layer ${t} LODRIN_LAYER)
            if(layer STREQUAL "logic" OR layer STREQUAL "imaging")
                lodrin_check_layer(${t} ${layer} "")
            endif()
        endforeach()
    endforeach()
endfunction()
