# quaderola_risorse(NOME LIBRERIA FILE...): the files under :/NOME/ by their own names, in a
# static library LIBRERIA; the program calls Q_INIT_RESOURCE(NOME), since the linker would drop
# a library nothing else refers to.
function(quaderola_risorse nome libreria)
    set(voci)
    foreach(f IN LISTS ARGN)
        get_filename_component(base ${f} NAME)
        string(APPEND voci "        <file alias=\"${base}\">${f}</file>\n")
    endforeach()
    set(qrc ${CMAKE_CURRENT_BINARY_DIR}/${nome}.qrc)
    file(CONFIGURE OUTPUT ${qrc} @ONLY CONTENT
         "<RCC>\n    <qresource prefix=\"/${nome}\">\n${voci}    </qresource>\n</RCC>\n")
    qt_add_resources(risorse ${qrc})
    add_library(${libreria} STATIC ${risorse})
    target_link_libraries(${libreria} PUBLIC Qt6::Core)
endfunction()
