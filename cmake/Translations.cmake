# The board's texts in every language besides Spanish, its source language: translations/*.ts,
# compiled into the application library's resources under /i18n. The target update_translations
# brings the .ts files up to date with the sources of every layer.
set(TAVELO_LANGUAGES en de fr pt)
set(TAVELO_TS_FILES "")
foreach(language IN LISTS TAVELO_LANGUAGES)
    list(APPEND TAVELO_TS_FILES "${PROJECT_SOURCE_DIR}/translations/tavelo_${language}.ts")
endforeach()

file(GLOB_RECURSE TAVELO_TRANSLATED_SOURCES CONFIGURE_DEPENDS
     "${PROJECT_SOURCE_DIR}/items/*.cpp" "${PROJECT_SOURCE_DIR}/history/*.cpp"
     "${PROJECT_SOURCE_DIR}/scene/*.cpp" "${PROJECT_SOURCE_DIR}/boardfile/*.cpp"
     "${PROJECT_SOURCE_DIR}/app/*.cpp")

qt_add_translations(tavelo_app
    TS_FILES ${TAVELO_TS_FILES}
    RESOURCE_PREFIX /i18n
    SOURCES ${TAVELO_TRANSLATED_SOURCES}
    LUPDATE_OPTIONS -no-obsolete -locations none)
