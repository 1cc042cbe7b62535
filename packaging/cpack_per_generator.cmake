# Read by CPack once per generator: which layout each package holds.
if(CPACK_GENERATOR STREQUAL "DEB")
    set(CPACK_COMPONENTS_ALL Installed)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
else()
    # The portable folder, unpacked as one folder of its own.
    set(CPACK_COMPONENTS_ALL Portable)
    set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()
