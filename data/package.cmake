# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, made from the build folder with  cpack -G DEB
set(CPACK_PACKAGE_NAME tessarine)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tessarine developers")
set(CPACK_PACKAGE_CONTACT "${TESSARINE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "picture and spreadsheet converter for the classroom")
set(CPACK_PACKAGE_INSTALL_DIRECTORY tessarine)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Only what the programs need at run time: the tests and benchmarks install nothing, and the
# package is made from the install rules alone.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${TESSARINE_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TESSARINE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Plug-ins are loaded at run time, so shlibdeps cannot see them: the SVG reader (vector
# pictures) and the toolkit's extra image formats (TIFF, WebP, TGA, ICNS, WBMP, MNG).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, qt6-image-formats-plugins")
# The toolkit's own dialogs and buttons in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# The synopsis is the summary above; CPack puts the space before each line of the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Tessarine shows that a picture is made of numbers. It turns a raster image
into a pixel sheet: a comma-separated file with one line per pixel, giving
the pixel's position and its colour as red, green and blue or as hue,
saturation and value. The sheet can be opened in a spreadsheet program,
changed, and drawn back into a picture.
.
The package holds the window (tessarine) and a command-line converter for
scripts and whole folders (tessarine-cli). Pictures are read in the common
formats including WebP, AVIF, HEIC and JPEG XL; sheets are written as CSV or
Excel workbooks and read from CSV, .xlsx and .ods files.")
# Debian's directories are 0755, whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
