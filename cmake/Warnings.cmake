# Warnings are errors on every target: a warning today is a bug report tomorrow.
add_compile_options(-Wall -Wextra -Werror)
