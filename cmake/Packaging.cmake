# The Debian package: `cpack -G DEB` in the build folder packs what `cmake --install`
# installs, under /usr.
set(CPACK_PACKAGE_NAME korvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION}) # all four parts, not only three
set(CPACK_PACKAGE_VENDOR "Korvane developers")
set(CPACK_PACKAGE_CONTACT "Korvane developers <korvane@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "slope stability and pile group calculator (Chinese)")
set(CPACK_PACKAGE_DESCRIPTION
    "Korvane checks building pile foundations: the stability of a slope carrying a
pile-supported cap on circular and polyline slip surfaces, the forces in the piles
and the movement of the cap of a pile group, and the largest moment and shear in
the piles of a high-cap group. The desktop program's interface is Chinese;
korvane-calc runs the same calculations in a terminal.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${PROJECT_HOMEPAGE_URL})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the binaries (dpkg-shlibdeps); what they load at run time
# does not show there.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(KORVANE_BUILD_UI)
    # Every label is Chinese and needs a font with the characters; Qt's own buttons and
    # menus read Chinese from qt6-translations-l10n. On Debian 12 the X11 platform plugin
    # comes with libqt6gui6 and the SVG icon engine with libqt6svg6, which the
    # binaries depend on already (qt6-qpa-plugins holds only VNC and TUIO); a Wayland
    # session without qt6-wayland falls back to X11 through XWayland.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei | fonts-noto-cjk, qt6-translations-l10n")
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
endif()

include(CPack)
