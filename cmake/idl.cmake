# zu_add_typelib(target idl_file name [IMPORTS part...]): runs widl for this architecture and gives
# an object library with the IIDs/CLSIDs, the header directory and the .tlb path in ${name}_TLB.
# Each IMPORTS part is idl/<part>.idl (its interfaces, imported by the library file, with a header
# and interface ids of its own) and idl/<part>_classes.idl (its coclasses, included inside the
# library block).
set(ZU_WIDL_INCLUDE /usr/include/wine/wine/windows)
function(zu_add_typelib target idl name)
    cmake_parse_arguments(arg "" "" "IMPORTS" ${ARGN})
    set(gen ${CMAKE_BINARY_DIR}/gen)
    file(MAKE_DIRECTORY ${gen})
    get_filename_component(idl_dir ${idl} DIRECTORY)
    set(widl ${ZU_WIDL} ${ZU_WIDL_FLAGS} -I${ZU_WIDL_INCLUDE} -I${idl_dir} -I${CMAKE_SOURCE_DIR}/idl)
    set(part_outputs "")
    set(part_sources "")
    foreach(part ${arg_IMPORTS})
        set(part_idl ${idl_dir}/${part}.idl)
        add_custom_command(
            OUTPUT ${gen}/${part}.h ${gen}/${part}_i.c
            COMMAND ${widl} -h -o ${gen}/${part}.h ${part_idl}
            COMMAND ${widl} -u -o ${gen}/${part}_i.c ${part_idl}
            DEPENDS ${part_idl}
            COMMENT "widl ${part}")
        list(APPEND part_outputs ${gen}/${part}.h ${gen}/${part}_i.c)
        list(APPEND part_sources ${part_idl} ${idl_dir}/${part}_classes.idl)
    endforeach()
    add_custom_command(
        OUTPUT ${gen}/${name}.h ${gen}/${name}_i.c ${gen}/${name}.tlb
        COMMAND ${widl} -h -o ${gen}/${name}.h ${idl}
        COMMAND ${widl} -u -o ${gen}/${name}_i.c ${idl}
        COMMAND ${widl} -t -o ${gen}/${name}.tlb ${idl}
        DEPENDS ${idl} ${part_sources}
        COMMENT "widl ${name}")
    add_library(${target} STATIC ${gen}/${name}_i.c ${gen}/${name}.h ${part_outputs})
    target_include_directories(${target} PUBLIC ${gen})
    set(${name}_TLB ${gen}/${name}.tlb PARENT_SCOPE)
endfunction()

# The product's type library as resource 1 of type TYPELIB of an executable.
function(zu_embed_typelib target)
    set_property(SOURCE ${CMAKE_SOURCE_DIR}/idl/VAVEDERAZur.rc APPEND PROPERTY OBJECT_DEPENDS ${VAVEDERAZur_TLB})
    target_include_directories(${target} PRIVATE ${CMAKE_BINARY_DIR}/gen)
endfunction()

# zu_add_idl_header(target idl_file name [IMPORTS dir...]): the header and interface ids of custom
# interfaces that no type library describes (the stand-in data servers): an object library like
# zu_add_typelib's. IMPORTS: folders of the IDL files it imports.
function(zu_add_idl_header target idl name)
    cmake_parse_arguments(arg "" "" "IMPORTS" ${ARGN})
    set(gen ${CMAKE_BINARY_DIR}/gen)
    file(MAKE_DIRECTORY ${gen})
    get_filename_component(idl_dir ${idl} DIRECTORY)
    set(widl ${ZU_WIDL} ${ZU_WIDL_FLAGS} -I${ZU_WIDL_INCLUDE} -I${idl_dir})
    set(deps ${idl})
    foreach(dir ${arg_IMPORTS})
        list(APPEND widl -I${dir})
        file(GLOB dir_idls ${dir}/*.idl)
        list(APPEND deps ${dir_idls})
    endforeach()
    add_custom_command(
        OUTPUT ${gen}/${name}.h ${gen}/${name}_i.c
        COMMAND ${widl} -h -o ${gen}/${name}.h ${idl}
        COMMAND ${widl} -u -o ${gen}/${name}_i.c ${idl}
        DEPENDS ${deps}
        COMMENT "widl ${name}")
    add_library(${target} STATIC ${gen}/${name}_i.c ${gen}/${name}.h)
    target_include_directories(${target} PUBLIC ${gen})
endfunction()

# zu_add_subsystem(target [DEPENDS lib...]): the library of one subsystem folder, from every .cpp
# in it (an interface library while the folder has none), linking only to the layers below it.
function(zu_add_subsystem target)
    cmake_parse_arguments(arg "" "" "DEPENDS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    if(sources)
        add_library(${target} STATIC ${sources})
        target_link_libraries(${target} PUBLIC ${arg_DEPENDS})
        zu_precompile(${target})
    else()
        add_library(${target} INTERFACE)
        target_link_libraries(${target} INTERFACE ${arg_DEPENDS})
    endif()
endfunction()
