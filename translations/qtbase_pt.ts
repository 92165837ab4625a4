<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- The words of Qt's own dialogs as Portugal writes them, in either spelling (words
     spelt differently before and after 1990 are avoided); asked before qt_pt_PT and
     qtbase_pt_BR, which give the rest. -->
<TS version="2.1" language="pt_PT" sourcelanguage="en">
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Guardar tudo</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Repor as predefinições</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Repor</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>File</source>
        <translation>Ficheiro</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Ficheiros</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Apagar</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Pasta de ficheiros</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>O meu computador</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>Ficheiro %1</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Ficheiros do tipo:</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Mostrar os ficheiros &amp;ocultos</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Nome do ficheiro:</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Vista de lista</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Vista detalhada</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>Mudar o &amp;nome</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Não foi possível apagar a pasta.</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Ficheiro não encontrado.
Verifique o nome do ficheiro.</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Pasta não encontrada.
Verifique o nome da pasta.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translation>Quer mesmo apagar '%1'?</translation>
    </message>
    <message>
        <source>'%1' is write protected.
Do you want to delete it anyway?</source>
        <translation>'%1' está protegido contra escrita.
Quer apagá-lo mesmo assim?</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Quer substituí-lo?</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Nome alternativo</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Mudar para a vista detalhada</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Mudar para a vista de lista</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>My Computer</source>
        <translation>O meu computador</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nome de ficheiro inválido</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Write PDF file</source>
        <translation>Escrever ficheiro PDF</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Ficheiro local</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Imprimir para ficheiro (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Imprimir para ficheiro...</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 é uma pasta.
Escolha outro nome de ficheiro.</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>Não é possível escrever no ficheiro %1.
Escolha outro nome.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 já existe.
Quer substituí-lo?</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 não segue a sintaxe das páginas. Use ',' para separar intervalos e páginas, '-' para indicar intervalos, e veja que os intervalos não se sobrepõem.</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Current Page</source>
        <translation>Esta página</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>A parte escolhida</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Tons de cinzento</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Definições de saída</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Output &amp;file:</source>
        <translation>&amp;Ficheiro de saída:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pré-visualização</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print Preview</source>
        <translation>Pré-visualização da impressão</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Configurar a página</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>Configurar a página</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Página seguinte</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>Mostrar todas as páginas</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>Mostrar as páginas lado a lado</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>Mostrar uma página</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Page Layout</source>
        <translation>Disposição da página</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>Select Color</source>
        <translation>Escolher a cor</translation>
    </message>
    <message>
        <source>&amp;Pick Screen Color</source>
        <translation>&amp;Escolher uma cor do ecrã</translation>
    </message>
    <message>
        <source>Cursor at %1, %2
Press ESC to cancel</source>
        <translation>Cursor em %1, %2
Prima ESC para cancelar</translation>
    </message>
    <message>
        <source>&amp;Add to Custom Colors</source>
        <translation>&amp;Juntar às cores personalizadas</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>About Qt</source>
        <translation>Acerca do Qt</translation>
    </message>
</context>
</TS>
