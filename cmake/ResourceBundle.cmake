# The resource bundle: the icons of resources/images, the application icon and the DejaVu fonts, compiled uncompressed
# in format version 3 into one object, registered under the name "resources".
set(TAVELO_BUNDLE_FONTS
    DejaVuMathTeXGyre.ttf DejaVuSans.ttf DejaVuSans-Bold.ttf DejaVuSans-BoldOblique.ttf
    DejaVuSans-ExtraLight.ttf DejaVuSans-Oblique.ttf DejaVuSansCondensed.ttf
    DejaVuSansCondensed-Bold.ttf DejaVuSansCondensed-BoldOblique.ttf
    DejaVuSansCondensed-Oblique.ttf DejaVuSansMono.ttf DejaVuSansMono-Bold.ttf
    DejaVuSansMono-BoldOblique.ttf DejaVuSansMono-Oblique.ttf DejaVuSerif.ttf
    DejaVuSerif-Bold.ttf DejaVuSerif-BoldItalic.ttf DejaVuSerif-Italic.ttf
    DejaVuSerifCondensed.ttf DejaVuSerifCondensed-Bold.ttf
    DejaVuSerifCondensed-BoldItalic.ttf DejaVuSerifCondensed-Italic.ttf)

function(tavelo_add_resource_bundle target)
    set(resource_dir "${PROJECT_SOURCE_DIR}/resources")
    file(GLOB images RELATIVE "${resource_dir}" CONFIGURE_DEPENDS "${resource_dir}/images/*.png")
    list(SORT images)

    set(entries "")
    foreach(image IN LISTS images)
        string(APPEND entries "    <file alias=\"${image}\">${resource_dir}/${image}</file>\n")
    endforeach()
    # The application icon at each size, for the window and the tray.
    file(GLOB app_icons RELATIVE "${resource_dir}" CONFIGURE_DEPENDS "${resource_dir}/icons/*/*.png")
    list(SORT app_icons)
    foreach(icon IN LISTS app_icons)
        string(APPEND entries "    <file alias=\"${icon}\">${resource_dir}/${icon}</file>\n")
    endforeach()
    foreach(font IN LISTS TAVELO_BUNDLE_FONTS)
        set(font_file "${TAVELO_FONT_DIR}/${font}")
        if(NOT EXISTS "${font_file}")
            message(FATAL_ERROR "Font ${font} not found in ${TAVELO_FONT_DIR}. Install Debian's "
                                "fonts-dejavu-core and fonts-dejavu-extra, or point "
                                "TAVELO_FONT_DIR at a folder with the DejaVu 2.37 files.")
        endif()
        string(APPEND entries "    <file alias=\"fonts/lib/fonts/${font}\">${font_file}</file>\n")
    endforeach()

    set(qrc "${CMAKE_CURRENT_BINARY_DIR}/bundle/resources.qrc")
    file(CONFIGURE OUTPUT "${qrc}" CONTENT
"<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n${entries}</qresource>\n</RCC>\n")

    qt6_add_big_resources(bundle_objects "${qrc}" OPTIONS --no-compress --format-version 3)
    target_sources(${target} PRIVATE ${bundle_objects})
endfunction()
