# Connector/C++ 1.1 (the legacy sql:: API) ships neither a CMake package nor
# a pkg-config file.
find_path(MYSQLCPPCONN_INCLUDE_DIR NAMES cppconn/driver.h)
find_library(MYSQLCPPCONN_LIBRARY NAMES mysqlcppconn)
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(MySQLCppConn
  REQUIRED_VARS MYSQLCPPCONN_LIBRARY MYSQLCPPCONN_INCLUDE_DIR)
if(MySQLCppConn_FOUND AND NOT TARGET MySQLCppConn::legacy)
  add_library(MySQLCppConn::legacy UNKNOWN IMPORTED)
  set_target_properties(MySQLCppConn::legacy PROPERTIES
    IMPORTED_LOCATION "${MYSQLCPPCONN_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${MYSQLCPPCONN_INCLUDE_DIR}")
endif()
