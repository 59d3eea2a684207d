# pixels_dump.exe: the drawing list of tests/support/drawing_list.h through the
# Win32 GDI surface, written as images for the headless comparison
# (tests/raster/gdi_reference_test.cpp). Not a test program itself:
# scripts/wine-tests.sh runs it and then the comparison.
enable_language(RC)
# It carries the control's wizard pictures as BITMAP resources 1 to 6, as
# FolivanTabs.ocx does.
set(FOLIVAN_WIZARD_DIR ${PROJECT_SOURCE_DIR}/resources/wizard)
configure_file(${CMAKE_CURRENT_LIST_DIR}/pixels_dump.rc.in ${CMAKE_CURRENT_BINARY_DIR}/pixels_dump.rc @ONLY)
add_executable(pixels_dump ${CMAKE_CURRENT_LIST_DIR}/pixels_dump.cpp ${CMAKE_CURRENT_BINARY_DIR}/pixels_dump.rc)
set_target_properties(pixels_dump PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
target_include_directories(pixels_dump PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_compile_options(pixels_dump PRIVATE ${FOLIVAN_WARNINGS})
target_link_libraries(pixels_dump PRIVATE folivantab_win32)
target_link_options(pixels_dump PRIVATE -static-libgcc -static-libstdc++ -static -municode)
