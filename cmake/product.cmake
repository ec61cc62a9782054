# The product's identity, in one place: base/product.h (read by the program)
# and the version resource are made from it, the release script reads it
# from there; the version is the project's (CMakeLists.txt). The addresses
# are the reserved example.org names until the product has a domain of its
# own. Included by every build of the sources (the program's, the fuzz
# targets'), each making its own copy of the header.
set(VANTREL_PRODUCT_NAME "Vantrel")
set(VANTREL_PUBLISHER "The Vantrel developers")
set(VANTREL_WEB_SITE "vantrel.example.org")
set(VANTREL_FORUM_PAGE "vantrel.example.org/forum")
set(VANTREL_CONTACT_ADDRESS "vantrel@example.org")
configure_file(${CMAKE_CURRENT_LIST_DIR}/../src/base/product.h.in ${CMAKE_BINARY_DIR}/generated/base/product.h)
