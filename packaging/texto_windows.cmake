# A text file with Windows line ends (CR LF), for the zip: cmake -DDE=FILE
# -DPARA=COPY -P texto_windows.cmake. Lines that end in CR LF already keep
# it.
file(READ ${DE} conteudo)
string(REPLACE "\r\n" "\n" conteudo "${conteudo}")
string(REPLACE "\n" "\r\n" conteudo "${conteudo}")
file(WRITE ${PARA} "${conteudo}")
