# The Debian package: `cpack -G DEB` in the build folder (see README.md, "Instalar").
# Shared-library dependencies come from dpkg-shlibdeps; what it cannot see is
# listed by hand: the button pictures and the icon are SVG, drawn by the SVG
# icon-engine and image plugins of libqt6svg6, which the program loads at run
# time rather than links; the fonts it asks for by name fall back to DejaVu;
# GMP and its C++ classes (libgmp10, libgmpxx4ldbl) hold the exact values of
# the worked solutions, named here whether or not the linker keeps them.
# (The xcb platform plugin is part of libqt6gui6 on Debian 12.)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ortoplano)
set(CPACK_PACKAGE_VENDOR "Os autores do Ortoplano")
set(CPACK_PACKAGE_CONTACT "${ORTOPLANO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "geometria analítica plana para o ensino secundário")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/COPYING)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ORTOPLANO_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ORTOPLANO_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6 (>= 6.4), fonts-dejavu-core, fonts-dejavu-extra, libgmp10, libgmpxx4ldbl, qt6-translations-l10n")
# Without it the program still runs on a Wayland desktop, through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The synopsis line is CPACK_PACKAGE_DESCRIPTION_SUMMARY; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "O Ortoplano ensina geometria analítica plana a alunos e professores do
ensino secundário, em português europeu. Escrevem-se os dados de um
exercício clássico (o ponto médio de um segmento, a recta perpendicular a
outra por um ponto, a tangente a uma circunferência, a circunferência
inscrita num triângulo...), o programa desenha-os a azul num referencial e
depois desenha a construção a vermelho e escreve a resposta.
.
Nove páginas de problemas sobre pontos, rectas, circunferências e
triângulos, com exemplos já preenchidos, um índice, as instruções, a
sintaxe das expressões e a lista das funções.")

include(CPack)
