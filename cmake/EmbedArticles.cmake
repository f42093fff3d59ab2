# Writes OUTPUT, a C++ file holding the six stored articles byte for byte in
# one block, each followed by a NUL, and where each one starts.
# Run as: cmake -DARTICLES_DIR=... -DOUTPUT=... -P EmbedArticles.cmake
set(block "")
set(extents "")
set(offset 0)
foreach(scheme RANGE 1 6)
  set(file "${ARTICLES_DIR}/scheme${scheme}.txt")
  file(SIZE "${file}" size)
  file(READ "${file}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${hex}")
  # Break the literal every 64 bytes to keep lines short for editors and diff tools.
  string(REGEX REPLACE "((\\\\x..){64})" "\\1\"\n    \"" escaped "${escaped}")
  string(APPEND block "    // scheme ${scheme}\n    \"${escaped}\\0\"\n")
  string(APPEND extents "    {${offset}, ${size}},\n")
  math(EXPR offset "${offset} + ${size} + 1")
endforeach()
file(WRITE "${OUTPUT}.tmp"
  "// Generated from content/articles by cmake/EmbedArticles.cmake; do not edit.\n"
  "#include \"content/article_block.h\"\n\n"
  "// The literal's own terminating NUL is not part of the block.\n"
  "extern const char kArticleBlock[] =\n${block};\n"
  "extern const std::size_t kArticleBlockSize = ${offset};\n"
  "extern const ArticleExtent kArticleExtents[6] = {\n${extents}};\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
