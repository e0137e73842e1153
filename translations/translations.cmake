# The window's translations, included by app/CMakeLists.txt. lupdate keeps the .ts sources in step
# with the code and the forms (`cmake --build build --target update_translations`), lrelease
# compiles them into .qm files in the build, and these are embedded in velmora_app as resources
# under :/i18n, so that the program, its tests and the package find them wherever they run from,
# with no path to look up. English is the language of the source and the fallback. velmora-render is
# not translated: its messages stay English, as command-line tools' usually do.
#
# It runs in app/'s scope: Qt names the resources by their path from the target's build folder,
# which must hold the .qm files. SOURCE_TARGETS makes Qt 6.7 and later call it at once rather than
# at the end of the project; Qt 6.4 takes the target alone, and ignores the keyword.
set(ts_files)
foreach(language IN LISTS VELMORA_LANGUAGES)
    list(APPEND ts_files ${PROJECT_SOURCE_DIR}/translations/velmora_${language}.ts)
endforeach()

# Every folder whose texts the window shows; render/ stays out.
set(translated_sources)
foreach(folder app desktop display player programs session sound)
    file(GLOB sources CONFIGURE_DEPENDS
        ${PROJECT_SOURCE_DIR}/${folder}/*.h ${PROJECT_SOURCE_DIR}/${folder}/*.cpp
        ${PROJECT_SOURCE_DIR}/${folder}/*.ui)
    list(APPEND translated_sources ${sources})
endforeach()
# The same list for the test that holds the .ts files to the code (lupdate's @file form).
list(JOIN translated_sources "\n" source_lines)
file(WRITE ${PROJECT_BINARY_DIR}/translations/translated-sources.lst "${source_lines}\n")

# Without line numbers the .ts files change only when a text does; vanished texts are dropped.
qt_add_translations(velmora_app SOURCE_TARGETS velmora_app
    TS_FILES ${ts_files}
    SOURCES ${translated_sources}
    LUPDATE_OPTIONS -locations none -no-obsolete
    RESOURCE_PREFIX /i18n)
