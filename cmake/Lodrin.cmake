# Helpers shared by the folder CMake files.

option(LODRIN_WERROR "Treat warnings in the project's own code as errors (CI turns it on)" OFF)

# The warnings the project's own code is compiled with; with LODRIN_WERROR they fail the
# build. Set on the targets, so that third-party code and compiler checks stay untouched.
function(lodrin_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
        $<$<BOOL:${LODRIN_WERROR}>:-Werror>)
endfunction()

# Gives lodrin_warnings to every compiled target defined in `dir` and its subfolders;
# the top-level file calls it once all folders are added, so new targets need no call.
function(lodrin_warnings_below dir)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
            lodrin_warnings(${target})
        endif()
    endforeach()
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(subdir IN LISTS subdirs)
        lodrin_warnings_below(${subdir})
    endforeach()
endfunction()

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
# Window tests run on Qt's offscreen platform. Its tests carry the program's name as a
# label (ctest -L import_tests).
function(lodrin_test name)
    cmake_parse_arguments(T "WINDOWS" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock Threads::Threads)
    target_compile_definitions(${name} PRIVATE
        LODRIN_SHARED_DIR="${LODRIN_SHARED_DIR}"
        LODRIN_TEST_SOURCE_DIR="${CMAKE_CURRENT_SOURCE_DIR}")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    set(props LABELS ${name})
    if(T_WINDOWS)
        # The window test main installs Qt's Chinese texts as the programs do.
        target_link_libraries(${name} PRIVATE Qt6::Test lodrin_platform)
        set_target_properties(${name} PROPERTIES AUTOMOC ON)
        list(APPEND props ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
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

# Whether `target` reaches `lib` through its links.
function(lodrin_links_to target lib result)
    set(found FALSE)
    set(queue ${target})
    set(seen)
    while(queue AND NOT found)
        list(POP_FRONT queue current)
        if(NOT TARGET ${current} OR current IN_LIST seen)
            continue()
        endif()
        list(APPEND seen ${current})
        get_target_property(libs ${current} LINK_LIBRARIES)
        if(libs)
            if(lib IN_LIST libs)
                set(found TRUE)
            endif()
            list(APPEND queue ${libs})
        endif()
    endwhile()
    set(${result} ${found} PARENT_SCOPE)
endfunction()

# Fails the configure step when one of the programs links a test-only library.
function(lodrin_check_programs_skip lib)
    foreach(program IN ITEMS ${ARGN})
        lodrin_links_to(${program} ${lib} linked)
        if(linked)
            message(FATAL_ERROR "${program} links the test-only library ${lib}")
        endif()
    endforeach()
endfunction()

# Fails the configure step when a library links a library listed after its own: the places
# are given from the bottom up, each a folder or a folder's libraries of one layer
# ("Recog_:logic"), so each subsystem builds only on those below it (the editor on the
# recognition, everything on the board). A folder named plainly places those of its
# libraries that an earlier entry has not placed.
function(lodrin_check_order)
    set(rank 0)
    set(placed)
    foreach(entry IN LISTS ARGN)
        string(REPLACE ":" ";" parts "${entry}")
        list(GET parts 0 dir)
        list(LENGTH parts count)
        get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
        foreach(t IN LISTS targets)
            get_target_property(layer ${t} LODRIN_LAYER)
            if(t IN_LIST placed)
                continue()
            endif()
            if(count GREATER 1)
                list(GET parts 1 wanted)
                if(NOT layer STREQUAL wanted)
                    continue()
                endif()
            endif()
            set_property(TARGET ${t} PROPERTY LODRIN_RANK ${rank})
            list(APPEND placed ${t})
        endforeach()
        math(EXPR rank "${rank} + 1")
    endforeach()
    foreach(t IN LISTS placed)
        get_target_property(own ${t} LODRIN_RANK)
        get_target_property(libs ${t} LINK_LIBRARIES)
        foreach(lib IN LISTS libs)
            if(NOT lib OR NOT TARGET ${lib})
                continue()
            endif()
            get_target_property(imported ${lib} IMPORTED)
            if(imported)
                continue()
            endif()
            get_target_property(other ${lib} LODRIN_RANK)
            if(NOT other STREQUAL "other-NOTFOUND" AND other GREATER own)
                message(FATAL_ERROR "${t} links ${lib}, which lies above it")
            endif()
        endforeach()
    endforeach()
endfunction()
