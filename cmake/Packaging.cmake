# A Debian package of the installed program: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME brimley)
set(CPACK_PACKAGE_VENDOR "The Brimley developers")
set(CPACK_PACKAGE_CONTACT "The Brimley developers <brimley@users.noreply.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Scoreboard for quizzes and team contests on a monitor or projector")
set(CPACK_PACKAGE_DESCRIPTION "Brimley turns a monitor or a projector into a scoreboard for quizzes and
other team contests: every shown team gets a cell with a large LED-style score, its name and its
picture. Scores are typed from the keyboard; settings and teams are kept in .brm files.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.invalid/brimley")
# The shared libraries the executable links come from dpkg-shlibdeps; the rest are what Qt loads at
# run time (the platform plugins) and the fonts the windows are drawn with.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins")

include(CPack)
