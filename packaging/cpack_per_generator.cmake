# Read by CPack once per generator: which layout each package holds.
if(CPACK_GENERATOR STREQUAL "DEB")
    set(CPACK_COMPONENTS_ALL Installed)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
elseif(CPACK_GENERATOR STREQUAL "NSIS")
    # The installed layout, straight into the folder the user picks.
    set(CPACK_COMPONENTS_ALL Installed)
    set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY OFF)
else()
    # The portable folder, unpacked as one folder of its own.
    set(CPACK_COMPONENTS_ALL Portable)
    set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()
