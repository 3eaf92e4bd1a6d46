# The Debian package: CPack's DEB generator over the install rules above,
# so the package and `cmake --install` hold the same files. Made by
# `cpack -G DEB` in a build folder (tools/package.sh builds one for it).

set(LEXITOR_HOMEPAGE "https://lexitor.example.org/")
set(LEXITOR_CONTACT "The Lexitor developers <lexitor@example.org>")

# What Debian wants beside every package: the copyright file (the word
# lists' notices taken whole from data/licences) and the changelog.
set(LEXITOR_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/lexitor)
file(READ ${CMAKE_CURRENT_LIST_DIR}/copyright.head copyright)
foreach(licence WordNet SCOWL)
    string(TOLOWER ${licence} file_name)
    file(READ ${CMAKE_CURRENT_SOURCE_DIR}/licences/${file_name}.txt text)
    # A licence's text is indented by one blank, an empty line being " ."
    string(REGEX REPLACE "\n+$" "" text "${text}")
    string(REPLACE "\n" "\n " text "${text}")
    string(REGEX REPLACE "\n \n" "\n .\n" text "${text}")
    string(REGEX REPLACE "\n \n" "\n .\n" text "${text}")
    string(APPEND copyright "\nLicense: ${licence}\n ${text}\n")
endforeach()
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/copyright "${copyright}")
add_custom_command(
    OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/changelog
            ${CMAKE_CURRENT_BINARY_DIR}/changelog
    COMMAND gzip -9nf ${CMAKE_CURRENT_BINARY_DIR}/changelog
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog
    VERBATIM)
add_custom_target(lexitor_changelog ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${LEXITOR_DOC_DIR})

set(CPACK_PACKAGE_NAME lexitor)
set(CPACK_PACKAGE_VENDOR "The Lexitor developers")
set(CPACK_PACKAGE_CONTACT ${LEXITOR_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vocabulary trainer with an adaptive multiple-choice quiz")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[
Lexitor keeps a list of words in three levels of difficulty, each with its
right meaning, three wrong meanings and an example, and quizzes the learner
on them; the quiz moves up or down a level by how well the answers go.
Review asks each word again when it falls due. Words can be added,
corrected and deleted, and imported from tab-separated or CSV lists,
two-column flash-card lists, KVTML files, Access databases or a bare list
of words that gets its meanings from WordNet. The default word lists are
made from WordNet and SCOWL.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${LEXITOR_HOMEPAGE})
# The libraries come from dpkg-shlibdeps; Qt's platform plugins are loaded
# at run time, so no library names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# xdg-utils finds the desktop's browser for the help page; the fonts give
# the screens their look; WordNet and SCOWL give a bare list of words its
# meanings.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "xdg-utils, fonts-dejavu-core, fonts-liberation, fonts-urw-base35, wordnet-base, wordnet-sense-index, scowl")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
