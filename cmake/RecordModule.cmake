# The learning record's views as a Qt plugin (a shared library, so tests that
# drive the view's own class can link it as well as load it).
#
# The module takes Screen, Dialogs, RecordStore and the rest of ui/, store/
# and core/ from the program that loads it: these stay static libraries, and
# a second copy inside the module would bring a second copy of their state.
# So every program that may load the module exports its symbols
# (ENABLE_EXPORTS) and links those libraries whole, also the parts only the
# module uses.
set(ZUB_RECORD_MODULE_DIR ${CMAKE_BINARY_DIR}/lib/zubzahlen/plugins)

add_library(zubrecordview SHARED ${RECORD_MODULE_SOURCES})
target_include_directories(zubrecordview PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(zubrecordview PRIVATE
    Qt6::Widgets Qt6::PrintSupport Qt6::Charts)
set_target_properties(zubrecordview PROPERTIES
    LIBRARY_OUTPUT_DIRECTORY ${ZUB_RECORD_MODULE_DIR})
# Not straight in lib/zubzahlen: CPack would run ldconfig for a library there,
# and this one is found by its path alone.
install(TARGETS zubrecordview LIBRARY DESTINATION lib/zubzahlen/plugins)

set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/ui/record/RecordModuleLoader.cpp APPEND PROPERTY
    COMPILE_DEFINITIONS
    ZUB_RECORD_MODULE_FILE="$<TARGET_FILE_NAME:zubrecordview>"
    ZUB_BUILD_DIR="${CMAKE_BINARY_DIR}"
    ZUB_BUILD_MODULE_DIR="${ZUB_RECORD_MODULE_DIR}")

# A program that may load the module (the program itself, tests, benchmarks).
function(zub_record_module_host target)
    set_target_properties(${target} PROPERTIES ENABLE_EXPORTS ON)
    target_link_options(${target} PRIVATE
        "SHELL:-Wl,--whole-archive $<TARGET_FILE:zubui> $<TARGET_FILE:zubstore> $<TARGET_FILE:zubcore> -Wl,--no-whole-archive")
    add_dependencies(${target} zubrecordview)
endfunction()
