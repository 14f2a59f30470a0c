# The product's names, defined once for every program and for the blocker
# script: the web-site name is the front of the pop-up title marker, the
# default of the presence window's title and the About box's link.
set(HUSH_WEB_SITE "www.hushwall.example")

set(HUSH_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/product_names.h.in
               ${HUSH_GENERATED_DIR}/product_names.h @ONLY)
