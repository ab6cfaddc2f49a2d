# `make package`: a Debian package of what `cmake --install` puts in place.
# Included from the top directory, where CPack's package target belongs.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sliding-window-demo)
set(CPACK_PACKAGE_VENDOR "Quill's Sliding Window Demo developers")
set(CPACK_PACKAGE_CONTACT "Quill's Sliding Window Demo developers <maintainers@sliding-window-demo.example>"
    CACHE STRING "The package's maintainer, as Debian writes it: Name <address>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "animated demonstration of a sliding-window transport protocol")
# Wrapped by hand: dpkg shows the lines as they are.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "An interactive, animated teaching demonstration of a sliding-window"
  "transport protocol with congestion control, made to be shown on a"
  "projector. Numbered packets travel from a sender strip to a receiver"
  "strip and ACKs travel back on a 50 ms clock; slow start, congestion"
  "avoidance, fast retransmit, selective repeat, delayed ACKs and an"
  "adaptive timeout can be switched on and off while a run goes on. Runs"
  "can be stepped, rewound, charted and exported.")

# Debian allows letters, digits and . + ~ in a version without a Debian
# revision: the git part (1.0.0+g1a2b3c4-dirty) keeps its meaning with dots.
string(REPLACE "-" "." swd_debian_version "${SWD_VERSION_TEXT}")
string(REGEX REPLACE "[^A-Za-z0-9.+~]" "" swd_debian_version "${swd_debian_version}")
set(CPACK_PACKAGE_VERSION ${swd_debian_version})
set(CPACK_DEBIAN_PACKAGE_VERSION ${swd_debian_version})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SWD_HOMEPAGE_URL})
# The libraries come from dpkg-shlibdeps; the fonts the window is laid out in
# are not linked, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
# Chinese and Arabic readers need these to see their language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, fonts-noto-ui-core")
# A distributable program needs no debugging symbols.
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

include(CPack)
