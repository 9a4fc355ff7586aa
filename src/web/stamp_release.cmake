# Names the page's release by a hash of its files and writes the two files
# that carry the name: the page (index.html) and its service worker (sw.js),
# which keeps the release's files for playing offline. A file changed makes
# a new release. The build runs it; so can anyone re-releasing a folder:
#   cmake -DFOLDER=<page folder> -DINDEX=web/index.html -DWORKER=web/sw.js -P stamp_release.cmake
foreach(input FOLDER INDEX WORKER)
  if(NOT DEFINED ${input})
    message(FATAL_ERROR "stamp_release: ${input} is not given")
  endif()
endforeach()

# What the page loads: the modules, the style, the game and its icon.
file(GLOB files RELATIVE ${FOLDER} ${FOLDER}/*.js ${FOLDER}/*.css ${FOLDER}/*.wasm ${FOLDER}/*.svg)
list(REMOVE_ITEM files sw.js)
list(SORT files)

file(SHA256 ${INDEX} index_hash)
file(SHA256 ${WORKER} worker_hash)
set(hashes "index.html ${index_hash}\nsw.js ${worker_hash}\n")
set(cached "'./'")
foreach(file IN LISTS files)
  file(SHA256 ${FOLDER}/${file} hash)
  string(APPEND hashes "${file} ${hash}\n")
  string(APPEND cached ", '${file}'")
endforeach()
string(SHA256 release "${hashes}")
string(SUBSTRING ${release} 0 16 release)

file(READ ${INDEX} page)
string(REPLACE "@RELEASE@" ${release} page "${page}")
file(WRITE ${FOLDER}/index.html "${page}")
file(READ ${WORKER} worker)
string(REPLACE "@RELEASE@" ${release} worker "${worker}")
string(REPLACE "/* @FILES@ */" "${cached}" worker "${worker}")
file(WRITE ${FOLDER}/sw.js "${worker}")
