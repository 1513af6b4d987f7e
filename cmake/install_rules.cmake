# What `cmake --install` puts where: the program and the exporter, the sample units, and on a
# freedesktop system (Linux, the BSDs) the menu entry, the icon and the graph-file type.
include(GNUInstallDirs)

# The program finds the sample units at ../share/tesmara beside its own folder (src/app/main.cpp), so
# bin and share stay side by side under the prefix on every platform.
if(NOT CMAKE_INSTALL_BINDIR STREQUAL "bin" OR NOT CMAKE_INSTALL_DATADIR STREQUAL "share")
    message(WARNING "An installed Tesmara looks for its sample units in ../share/tesmara beside "
                    "its binary; with CMAKE_INSTALL_BINDIR=${CMAKE_INSTALL_BINDIR} and "
                    "CMAKE_INSTALL_DATADIR=${CMAKE_INSTALL_DATADIR} it will not find them.")
endif()

install(TARGETS tesmara tesmara-export
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    BUNDLE DESTINATION .
)

# The catalogue lies among the units in the source tree; installed, it stands beside DATA/, as the
# user's data folder has it.
set(TESMARA_SAMPLES_DIR ${CMAKE_INSTALL_DATADIR}/tesmara)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/DATA/
    DESTINATION ${TESMARA_SAMPLES_DIR}/DATA
    PATTERN Index.ini EXCLUDE
)
install(FILES ${PROJECT_SOURCE_DIR}/DATA/Index.ini DESTINATION ${TESMARA_SAMPLES_DIR})

# Windows and macOS take the icon and file types from the executable and its bundle instead.
if(UNIX AND NOT APPLE)
    set(TESMARA_DESKTOP_FILES ON)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/tesmara.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/tesmara.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
    foreach(size 16 24 32 48 64 128 256)
        install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/tesmara-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME tesmara.png)
    endforeach()
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/tesmara.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
else()
    set(TESMARA_DESKTOP_FILES OFF)
endif()
