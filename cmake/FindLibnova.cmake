# libnova ships neither a CMake package nor a pkg-config file: find its header and library.
find_path(Libnova_INCLUDE_DIR libnova/libnova.h)
find_library(Libnova_LIBRARY nova)
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Libnova REQUIRED_VARS Libnova_LIBRARY Libnova_INCLUDE_DIR)
if(Libnova_FOUND AND NOT TARGET Libnova::Libnova)
    add_library(Libnova::Libnova UNKNOWN IMPORTED)
    set_target_properties(Libnova::Libnova PROPERTIES
        IMPORTED_LOCATION "${Libnova_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${Libnova_INCLUDE_DIR}")
endif()
