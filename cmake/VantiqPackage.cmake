# `cpack` (or `make package`) builds a Debian package from the install rules.
# Library dependencies come from the binaries through dpkg-shlibdeps; the
# packages the programs load at run time without linking them are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantiq)
set(CPACK_PACKAGE_VENDOR Kestrin)
set(CPACK_PACKAGE_CONTACT "Kestrin <vantiq@kestrin.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "choose a thermoelectric (Peltier) cooling module")
set(CPACK_PACKAGE_DESCRIPTION
    "Vantiq reads a catalogue of thermoelectric modules, derives every module's rated
values at a chosen hot-side temperature with a physical model, and lists the
modules that meet a heat load, a temperature difference, a power supply and the
largest dimensions. It shows and prints each module's datasheet and performance
graphs. The package holds the window program, the command-line tools vantiq-cli
and vantiq-basetool, and a sample catalogue.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window needs a display plugin, the drawn pages a font metric-compatible
# with Arial; neither is linked, so dpkg-shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
# The Python module is built for one minor version of the system's Python and
# hands out NumPy arrays.
if(TARGET vantiq_python)
    set(python ${Python3_VERSION_MAJOR}.${Python3_VERSION_MINOR})
    math(EXPR next "${Python3_VERSION_MINOR} + 1")
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", python3 (>= ${python}), "
           "python3 (<< ${Python3_VERSION_MAJOR}.${next}), python3-numpy")
endif()
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/kestrin/vantiq")
include(CPack)
