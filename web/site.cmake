# Writes the folder a host serves: the page as index.html, its manifest and icons, and the worker
# that keeps them for offline use, its cache named by the page's hash.
#   cmake -DPAGE=flightcalc.html -DICONS=folder -DSOURCE=web -DSITE=site -P site.cmake
file(REMOVE_RECURSE ${SITE})
file(MAKE_DIRECTORY ${SITE})
configure_file(${PAGE} ${SITE}/index.html COPYONLY)
configure_file(${SOURCE}/manifest.webmanifest ${SITE}/manifest.webmanifest COPYONLY)
foreach(icon 192 512 maskable-512)
  configure_file(${ICONS}/${icon}.png ${SITE}/icon-${icon}.png COPYONLY)
endforeach()
file(SHA256 ${PAGE} PAGE_HASH)
string(SUBSTRING ${PAGE_HASH} 0 16 PAGE_HASH)
configure_file(${SOURCE}/sw.js ${SITE}/sw.js @ONLY)
