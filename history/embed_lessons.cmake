# Writes the lesson files into one C++ source, so that every program (the
# window, the exporter, the browser page) has them without reading files.
# Called at build time with OUT (the source to write) and DIR (the lessons folder). A lesson's name is its file name without the
# order prefix and the extension: 03-selective-repeat.json is "selective-repeat".
set(text "// Generated from lessons/*.json by history/embed_lessons.cmake; do not edit.\n")
string(APPEND text "#include \"history/lessons.h\"\n\nnamespace lessons_data {\n\nconst EmbeddedLesson Lessons[] = {\n")
file(GLOB FILES ${DIR}/*.json)
list(SORT FILES)
set(count 0)
foreach(file IN LISTS FILES)
  get_filename_component(stem ${file} NAME_WE)
  string(REGEX REPLACE "^[0-9]+-" "" name ${stem})
  file(READ ${file} content)
  string(APPEND text "    {\"${name}\", R\"lesson(${content})lesson\"},\n")
  math(EXPR count "${count} + 1")
endforeach()
string(APPEND text "};\n\nconst int LessonCount = ${count};\n\n} // namespace lessons_data\n")
file(WRITE ${OUT}.new "${text}")
file(COPY_FILE ${OUT}.new ${OUT} ONLY_IF_DIFFERENT)
