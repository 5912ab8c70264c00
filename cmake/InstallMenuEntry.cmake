# Run at install time (see Packaging.cmake): writes the launcher and the
# desktop entry with the absolute paths of this installation, then installs
# them like any other file (DESTDIR and the install manifest included).
function(burrowbop_absolute out dir)
    if(IS_ABSOLUTE "${dir}")
        set(${out} "${dir}" PARENT_SCOPE)
    else()
        set(${out} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
    endif()
endfunction()

burrowbop_absolute(bindir "${BURROWBOP_BINDIR}")
burrowbop_absolute(libexecdir "${BURROWBOP_LIBEXECDIR}")
burrowbop_absolute(datadir "${BURROWBOP_DATADIR}")

set(BURROWBOP_BINARY "${bindir}/burrowbop")
set(BURROWBOP_LAUNCHER "${libexecdir}/burrowbop/launch")

configure_file("${BURROWBOP_PACKAGING_DIR}/launch.in"
               "${BURROWBOP_STAGE_DIR}/launch" @ONLY)
configure_file("${BURROWBOP_PACKAGING_DIR}/${BURROWBOP_DESKTOP_ID}.desktop.in"
               "${BURROWBOP_STAGE_DIR}/${BURROWBOP_DESKTOP_ID}.desktop" @ONLY)

file(INSTALL "${BURROWBOP_STAGE_DIR}/launch"
     DESTINATION "${libexecdir}/burrowbop"
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
                      GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(INSTALL "${BURROWBOP_STAGE_DIR}/${BURROWBOP_DESKTOP_ID}.desktop"
     DESTINATION "${datadir}/applications")
