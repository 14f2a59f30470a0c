include(${CMAKE_CURRENT_LIST_DIR}/product_names.cmake)
# The installed assets, with the names filled in where they appear.
set(HUSH_ASSETS_DIR ${CMAKE_BINARY_DIR}/assets)
configure_file(${CMAKE_SOURCE_DIR}/assets/HushBlk.js ${HUSH_ASSETS_DIR}/HushBlk.js @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/assets/HushINI.ini ${HUSH_ASSETS_DIR}/HushINI.ini COPYONLY)
foreach(language English French German)
  configure_file(${CMAKE_SOURCE_DIR}/assets/Language/${language}.ini
                 ${HUSH_ASSETS_DIR}/Language/${language}.ini @ONLY NEWLINE_STYLE CRLF)
endforeach()
file(COPY ${CMAKE_SOURCE_DIR}/assets/Flags DESTINATION ${HUSH_ASSETS_DIR})
# The alert sounds, synthesised by the project: the Sounds folder's choices
# and, beside the blocker script, the one it plays in the browser.
find_package(Python3 COMPONENTS Interpreter REQUIRED)
execute_process(COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/assets/sounds/make_sounds.py
                        ${HUSH_ASSETS_DIR}/Sounds
                COMMAND_ERROR_IS_FATAL ANY)
file(RENAME ${HUSH_ASSETS_DIR}/Sounds/PopUp.wav ${HUSH_ASSETS_DIR}/PopUp.wav)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${CMAKE_SOURCE_DIR}/assets/sounds/make_sounds.py)
# The skins and the splash (read through the Windows profile functions).
foreach(file HushSkn.skn popup.skn splash.spl)
  configure_file(${CMAKE_SOURCE_DIR}/assets/${file} ${HUSH_ASSETS_DIR}/${file}
                 @ONLY NEWLINE_STYLE CRLF)
endforeach()
configure_file(${CMAKE_SOURCE_DIR}/assets/splash.bmp ${HUSH_ASSETS_DIR}/splash.bmp COPYONLY)
# The two hosts files that banner blocking draws on: "hostsd" (blocking off)
# and "hostse", the same with the ad servers added.
configure_file(${CMAKE_SOURCE_DIR}/assets/hostsd ${HUSH_ASSETS_DIR}/hostsd @ONLY NEWLINE_STYLE CRLF)
file(READ ${CMAKE_SOURCE_DIR}/assets/hostsd hush_hosts_defaults)
file(READ ${CMAKE_SOURCE_DIR}/assets/ad_servers.hosts hush_ad_servers)
file(WRITE ${CMAKE_BINARY_DIR}/hostse.in "${hush_hosts_defaults}${hush_ad_servers}")
configure_file(${CMAKE_BINARY_DIR}/hostse.in ${HUSH_ASSETS_DIR}/hostse @ONLY NEWLINE_STYLE CRLF)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${CMAKE_SOURCE_DIR}/assets/hostsd ${CMAKE_SOURCE_DIR}/assets/ad_servers.hosts)
