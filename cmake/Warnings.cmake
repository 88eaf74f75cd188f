# Every target of the project warns alike; CI turns the warnings into errors.
add_compile_options(-Wall -Wextra)
if(VERDAN_WERROR)
    add_compile_options(-Werror)
endif()
if(VERDAN_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
