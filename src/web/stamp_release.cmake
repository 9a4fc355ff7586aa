# Names the page's release by a hash of its files and writes the two files
# that carry the name: the page (index.html), which also announces every
# module and the WebAssembly so that all load at once, and its service
# worker (sw.js), which keeps the release's files for playing offline. A file
# changed makes a new release. Last, it writes each file's compressed copies.
# The build runs it; so can anyone re-releasing a folder:
#   cmake -DFOLDER=<page folder> -DINDEX=web/index.html -DWORKER=web/sw.js -P stamp_release.cmake
foreach(input FOLDER INDEX WORKER)
  if(NOT DEFINED ${input})
    message(FATAL_ERROR "stamp_release: ${input} is not given")
  endif()
endforeach()

# What the page loads: the modules, the style, the game, its icons and the
# manifest that installs it.
file(GLOB files RELATIVE ${FOLDER} ${FOLDER}/*.js ${FOLDER}/*.css ${FOLDER}/*.wasm ${FOLDER}/*.svg ${FOLDER}/*.png
     ${FOLDER}/*.webmanifest)
list(REMOVE_ITEM files sw.js)
list(SORT files)

file(SHA256 ${INDEX} index_hash)
file(SHA256 ${WORKER} worker_hash)
set(hashes "index.html ${index_hash}\nsw.js ${worker_hash}\n")
set(cached "'./'")
set(preloads "")
foreach(file IN LISTS files)
  file(SHA256 ${FOLDER}/${file} hash)
  string(APPEND hashes "${file} ${hash}\n")
  string(APPEND cached ", '${file}'")
  # fetch() asks in CORS mode with the same-origin credentials that
  # crossorigin (anonymous) stands for: only a like preload is used.
  if(file MATCHES "\\.js$")
    string(APPEND preloads "\n  <link rel=\"modulepreload\" href=\"${file}\">")
  elseif(file MATCHES "\\.wasm$")
    string(APPEND preloads "\n  <link rel=\"preload\" href=\"${file}\" as=\"fetch\" type=\"application/wasm\" crossorigin>")
  endif()
endforeach()
string(SHA256 release "${hashes}")
string(SUBSTRING ${release} 0 16 release)

file(READ ${INDEX} page)
string(REPLACE "@RELEASE@" ${release} page "${page}")
string(REPLACE "<!-- @PRELOADS@ -->" "<!-- Everything the page loads, asked for at once. -->${preloads}" page "${page}")
file(WRITE ${FOLDER}/index.html "${page}")
file(READ ${WORKER} worker)
string(REPLACE "@RELEASE@" ${release} worker "${worker}")
string(REPLACE "/* @FILES@ */" "${cached}" worker "${worker}")
file(WRITE ${FOLDER}/sw.js "${worker}")

# Compressed copies of every file but the pictures, which are compressed already.
find_program(NODE node REQUIRED)
set(compressed index.html sw.js ${files})
list(FILTER compressed EXCLUDE REGEX "\\.png$")
get_filename_component(here ${CMAKE_SCRIPT_MODE_FILE} DIRECTORY)
execute_process(COMMAND ${NODE} ${here}/compress_release.mjs ${FOLDER} ${compressed} COMMAND_ERROR_IS_FATAL ANY)
