<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="es">
<context>
    <name>BoardDocument</name>
    <message>
        <source>no queda espacio en el disco (%1)</source>
        <translation>sem espaço no disco (%1)</translation>
    </message>
    <message>
        <source>no hay permiso para escribir en esa carpeta</source>
        <translation>sem permissão para escrever nessa pasta</translation>
    </message>
    <message>
        <source>no existe</source>
        <translation>não existe</translation>
    </message>
    <message>
        <source>no es un archivo del tablero</source>
        <translation>não é um ficheiro de quadro</translation>
    </message>
    <message>
        <source>el archivo es demasiado grande</source>
        <translation>o ficheiro é demasiado grande</translation>
    </message>
    <message>
        <source>Guardar tablero</source>
        <translation>Guardar quadro</translation>
    </message>
    <message>
        <source>Tablero (*.tavelo)</source>
        <translation>Quadro (*.tavelo)</translation>
    </message>
    <message>
        <source>No se pudo guardar %1: %2</source>
        <translation>Não foi possível guardar %1: %2</translation>
    </message>
    <message>
        <source>Tablero guardado en %1</source>
        <translation>Quadro guardado em %1</translation>
    </message>
    <message>
        <source>Abrir tablero</source>
        <translation>Abrir quadro</translation>
    </message>
    <message>
        <source>No se abrió %1: antes, responda a la pregunta abierta</source>
        <translation>%1 não foi aberto: responda primeiro à pergunta aberta</translation>
    </message>
    <message>
        <source>No se pudo abrir %1: %2</source>
        <translation>Não foi possível abrir %1: %2</translation>
    </message>
    <message>
        <source>No hay último tablero: se guarda al salir con Salir</source>
        <translation>Não há último quadro: é guardado ao sair com Sair</translation>
    </message>
    <message>
        <source>Tablero abierto: %1 (páginas: %2; Ctrl+Z lo deshace)</source>
        <translation>Quadro aberto: %1 (páginas: %2; Ctrl+Z desfaz)</translation>
    </message>
    <message>
        <source>El tablero tiene dibujos sin guardar.</source>
        <translation>O quadro tem desenhos por guardar.</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Descartar</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Exportar PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>Documento PDF (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No se pudo exportar %1: %2</source>
        <translation>Não foi possível exportar %1: %2</translation>
    </message>
    <message>
        <source>PDF guardado en %1 (páginas: %2)</source>
        <translation>PDF guardado em %1 (páginas: %2)</translation>
    </message>
    <message>
        <source>tablero-%1.%2</source>
        <translation>quadro-%1.%2</translation>
    </message>
</context>
<context>
    <name>BoardInstance</name>
    <message>
        <source>%1 no es una carpeta</source>
        <translation>%1 não é uma pasta</translation>
    </message>
    <message>
        <source>la carpeta %1 pertenece a otro usuario</source>
        <translation>a pasta %1 pertence a outro utilizador</translation>
    </message>
    <message>
        <source>otros usuarios pueden entrar en la carpeta %1</source>
        <translation>outros utilizadores podem entrar na pasta %1</translation>
    </message>
    <message>
        <source>no se pudo crear la carpeta %1</source>
        <translation>não foi possível criar a pasta %1</translation>
    </message>
    <message>
        <source>%1 no está disponible</source>
        <translation>%1 não está disponível</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Tablero para presentar una pantalla en videollamada</source>
        <translation>Um quadro para apresentar um ecrã numa videochamada</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Mostra a versão e termina.</translation>
    </message>
    <message>
        <source>Turns pass-through on or off in the running board (starts one when none is running).</source>
        <translation>Liga ou desliga a passagem do ponteiro no quadro em execução (inicia um quando nenhum está em execução).</translation>
    </message>
    <message>
        <source>Brings the running board to the front.</source>
        <translation>Traz o quadro em execução para a frente.</translation>
    </message>
    <message>
        <source>Clears the running board (Limpiar).</source>
        <translation>Limpa o quadro em execução (Limpar).</translation>
    </message>
    <message>
        <source>Puts the board, running or starting, on the screen of that name.</source>
        <translation>Coloca o quadro, em execução ou a iniciar, no ecrã com esse nome.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOME</translation>
    </message>
    <message>
        <source>Opens the board file in the running board, or in the board that starts.</source>
        <translation>Abre o ficheiro de quadro no quadro em execução, ou no quadro que inicia.</translation>
    </message>
    <message>
        <source>FILE.tavelo</source>
        <translation>FICHEIRO.tavelo</translation>
    </message>
    <message>
        <source>Writes every page of the board file given to the PDF, without showing a window, and ends.</source>
        <translation>Escreve cada página do ficheiro de quadro indicado no PDF, sem mostrar uma janela, e termina.</translation>
    </message>
    <message>
        <source>OUT.pdf</source>
        <translation>SAIDA.pdf</translation>
    </message>
    <message>
        <source>A board file to open, as --open.</source>
        <translation>Um ficheiro de quadro a abrir, como --open.</translation>
    </message>
    <message>
        <source>[FILE.tavelo]</source>
        <translation>[FICHEIRO.tavelo]</translation>
    </message>
    <message>
        <source>falta el tablero: --export-pdf OUT.pdf FILE.tavelo</source>
        <translation>falta o quadro: --export-pdf SAIDA.pdf FICHEIRO.tavelo</translation>
    </message>
    <message>
        <source>CorvaneTaveloWindow2: no se pudo exportar %1: %2
</source>
        <translation>CorvaneTaveloWindow2: não foi possível exportar %1: %2
</translation>
    </message>
</context>
<context>
    <name>DiagramScene</name>
    <message>
        <source>Borrar página</source>
        <translation>Apagar página</translation>
    </message>
    <message>
        <source>fuente</source>
        <translation>tipo de letra</translation>
    </message>
    <message>
        <source>color</source>
        <translation>cor</translation>
    </message>
    <message>
        <source>recuadro</source>
        <translation>caixa</translation>
    </message>
    <message>
        <source>Limpiar</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>texto</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>Borrar texto</source>
        <translation>Apagar texto</translation>
    </message>
    <message>
        <source>editar texto</source>
        <translation>editar texto</translation>
    </message>
    <message>
        <source>Texto recortado: una etiqueta admite hasta %1 caracteres</source>
        <translation>Texto cortado: uma etiqueta admite até %1 caracteres</translation>
    </message>
    <message>
        <source>mover</source>
        <translation>mover</translation>
    </message>
    <message>
        <source>vértice</source>
        <translation>vértice</translation>
    </message>
    <message>
        <source>fondo</source>
        <translation>fundo</translation>
    </message>
    <message>
        <source>borrador</source>
        <translation>borracha</translation>
    </message>
    <message>
        <source>flecha</source>
        <translation>seta</translation>
    </message>
    <message>
        <source>Difuminar</source>
        <translation>Desfocar</translation>
    </message>
    <message>
        <source>Zona difuminada</source>
        <translation>Zona desfocada</translation>
    </message>
    <message>
        <source>No se pudo difuminar la zona: el sistema no entregó la imagen de la pantalla</source>
        <translation>Não foi possível desfocar a zona: o sistema não entregou a imagem do ecrã</translation>
    </message>
    <message>
        <source>No se pudo copiar la zona: el sistema no entregó la imagen de la pantalla</source>
        <translation>Não foi possível copiar a zona: o sistema não entregou a imagem do ecrã</translation>
    </message>
    <message>
        <source>Cortar</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Imagen copiada al portapapeles</source>
        <translation>Imagem copiada para a área de transferência</translation>
    </message>
    <message>
        <source>elipse</source>
        <translation>elipse</translation>
    </message>
    <message>
        <source>resaltador</source>
        <translation>marcador</translation>
    </message>
    <message>
        <source>línea</source>
        <translation>linha</translation>
    </message>
    <message>
        <source>número</source>
        <translation>número</translation>
    </message>
    <message>
        <source>trazo</source>
        <translation>traço</translation>
    </message>
    <message>
        <source>forma</source>
        <translation>forma</translation>
    </message>
    <message>
        <source>rectángulo</source>
        <translation>retângulo</translation>
    </message>
    <message>
        <source>no es un archivo del tablero</source>
        <translation>não é um ficheiro de quadro</translation>
    </message>
    <message>
        <source>versión %1 del archivo, más nueva que este programa</source>
        <translation>versão %1 do ficheiro, mais recente do que este programa</translation>
    </message>
    <message>
        <source>el archivo está dañado</source>
        <translation>o ficheiro está danificado</translation>
    </message>
    <message>
        <source>el archivo tiene varias páginas</source>
        <translation>o ficheiro tem várias páginas</translation>
    </message>
</context>
<context>
    <name>GlobalKey</name>
    <message>
        <source>este escritorio no permite teclas globales</source>
        <translation>este ambiente de trabalho não permite teclas globais</translation>
    </message>
    <message>
        <source>la tecla %1 no se puede usar</source>
        <translation>a tecla %1 não pode ser usada</translation>
    </message>
    <message>
        <source>otro programa usa la tecla %1</source>
        <translation>outro programa usa a tecla %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Amarillo</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Verde</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Rosa</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Celeste</source>
        <translation>Azul-claro</translation>
    </message>
    <message>
        <source>Naranja</source>
        <translation>Laranja</translation>
    </message>
    <message>
        <source>Rojo</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Azul</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Forma</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>Proc</source>
        <translation>Proc.</translation>
    </message>
    <message>
        <source>I/O</source>
        <translation>E/S</translation>
    </message>
    <message>
        <source>Lápiz</source>
        <translation>Lápis</translation>
    </message>
    <message>
        <source>Texto</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Cortar</source>
        <translation>Recortar</translation>
    </message>
    <message>
        <source>Libre</source>
        <translation>Livre</translation>
    </message>
    <message>
        <source>Mover</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Línea</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>Resaltador</source>
        <translation>Marcador</translation>
    </message>
    <message>
        <source>Borrador</source>
        <translation>Borracha</translation>
    </message>
    <message>
        <source>Flecha</source>
        <translation>Seta</translation>
    </message>
    <message>
        <source>Láser</source>
        <translation>Laser</translation>
    </message>
    <message>
        <source>Foco</source>
        <translation>Foco</translation>
    </message>
    <message>
        <source>Grosor</source>
        <translation>Espessura</translation>
    </message>
    <message>
        <source>Más grueso</source>
        <translation>Mais grosso</translation>
    </message>
    <message>
        <source>Más fino</source>
        <translation>Mais fino</translation>
    </message>
    <message>
        <source>Páginas</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Página anterior</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Página siguiente</source>
        <translation>Página seguinte</translation>
    </message>
    <message>
        <source>Nueva página</source>
        <translation>Nova página</translation>
    </message>
    <message>
        <source>Borrar página</source>
        <translation>Apagar página</translation>
    </message>
    <message>
        <source>Guardar tablero</source>
        <translation>Guardar quadro</translation>
    </message>
    <message>
        <source>Abrir tablero</source>
        <translation>Abrir quadro</translation>
    </message>
    <message>
        <source>Exportar PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>Fondo</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>Guardar imagen</source>
        <translation>Guardar imagem</translation>
    </message>
    <message>
        <source>Guardar el tablero como imagen</source>
        <translation>Guardar o quadro como imagem</translation>
    </message>
    <message>
        <source>Elipse</source>
        <translation>Elipse</translation>
    </message>
    <message>
        <source>Números</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Recuadro</source>
        <translation>Caixa</translation>
    </message>
    <message>
        <source>Recuadro: las etiquetas sobre una caja del color de relleno</source>
        <translation>Caixa: as etiquetas sobre uma caixa da cor de preenchimento</translation>
    </message>
    <message>
        <source>Difuminar</source>
        <translation>Desfocar</translation>
    </message>
    <message>
        <source>Lupa</source>
        <translation>Lupa</translation>
    </message>
    <message>
        <source>Página %1 de %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Sistema listo</source>
        <translation>Sistema pronto</translation>
    </message>
    <message>
        <source>Preferencias dañadas: apartadas en %1</source>
        <translation>Preferências danificadas: postas de parte em %1</translation>
    </message>
    <message>
        <source>Tablero Tavelo</source>
        <translation>Tablero Tavelo</translation>
    </message>
    <message>
        <source>Preferencias bloqueadas por otro programa: los cambios no se guardarán</source>
        <translation>Preferências bloqueadas por outro programa: as alterações não serão guardadas</translation>
    </message>
    <message>
        <source>&amp;Maximizar</source>
        <translation>&amp;Maximizar</translation>
    </message>
    <message>
        <source>0,0</source>
        <translation>0,0</translation>
    </message>
    <message>
        <source>Limpiar</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Enviar al frente</source>
        <translation>Trazer para a frente</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Enviar al fondo</source>
        <translation>Enviar para trás</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Enviar item al fondo</source>
        <translation>Enviar item para trás</translation>
    </message>
    <message>
        <source>Minimizar</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Ctrl+Shift+M</source>
        <translation>Ctrl+Shift+M</translation>
    </message>
    <message>
        <source>Maximizar</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Ctrl+M</source>
        <translation>Ctrl+M</translation>
    </message>
    <message>
        <source>Copiar</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Borrar</source>
        <translation>&amp;Apagar</translation>
    </message>
    <message>
        <source>Borrar item</source>
        <translation>Apagar item</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrito</translation>
    </message>
    <message>
        <source>Ctrl+B</source>
        <translation>Ctrl+B</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Itálico</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Sublinhado</translation>
    </message>
    <message>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>So&amp;bre</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Ficheiro</translation>
    </message>
    <message>
        <source>&amp;Item</source>
        <translation>&amp;Item</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Rehacer</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z</source>
        <translation>Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>Historial</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Lupa: %1 x. Rueda o Ctrl++ / Ctrl+- para el aumento, Esc para salir</source>
        <translation>Lupa: %1 x. Roda ou Ctrl++ / Ctrl+- para a ampliação, Esc para sair</translation>
    </message>
    <message>
        <source>El escritorio no se puede ampliar aquí: la lupa amplía solo los dibujos</source>
        <translation>O ambiente de trabalho não pode ser ampliado aqui: a lupa amplia só os desenhos</translation>
    </message>
    <message>
        <source>No se pudo copiar el escritorio: el sistema no entregó la imagen de la pantalla</source>
        <translation>Não foi possível copiar o ambiente de trabalho: o sistema não entregou a imagem do ecrã</translation>
    </message>
    <message>
        <source>Escritorio copiado al portapapeles</source>
        <translation>Ambiente de trabalho copiado para a área de transferência</translation>
    </message>
    <message>
        <source>tablero-%1.png</source>
        <translation>quadro-%1.png</translation>
    </message>
    <message>
        <source>No se pudo guardar: el sistema no entregó la imagen de la pantalla</source>
        <translation>Não foi possível guardar: o sistema não entregou a imagem do ecrã</translation>
    </message>
    <message>
        <source>No se pudo guardar %1: %2</source>
        <translation>Não foi possível guardar %1: %2</translation>
    </message>
    <message>
        <source>Tablero guardado en %1</source>
        <translation>Quadro guardado em %1</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>no hay permiso para escribir en esa carpeta</source>
        <translation>sem permissão para escrever nessa pasta</translation>
    </message>
    <message>
        <source>no queda espacio en el disco (%1)</source>
        <translation>sem espaço no disco (%1)</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Salir de la lupa o del foco</source>
        <translation>Sair da lupa ou do foco</translation>
    </message>
    <message>
        <source>Rueda; Ctrl++, Ctrl+- (con la lupa)</source>
        <translation>Roda; Ctrl++, Ctrl+- (com a lupa)</translation>
    </message>
    <message>
        <source>Aumento de la lupa</source>
        <translation>Ampliação da lupa</translation>
    </message>
    <message>
        <source>Rueda; Ctrl++, Ctrl+- (con el foco)</source>
        <translation>Roda; Ctrl++, Ctrl+- (com o foco)</translation>
    </message>
    <message>
        <source>Tamaño del foco</source>
        <translation>Tamanho do foco</translation>
    </message>
    <message>
        <source>Paso del puntero (desde cualquier programa)</source>
        <translation>Passagem do ponteiro (a partir de qualquer programa)</translation>
    </message>
    <message>
        <source>Tablero para presentar una pantalla en videollamada</source>
        <translation>Um quadro para apresentar um ecrã numa videochamada</translation>
    </message>
    <message>
        <source>Versión %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Semi-Transparente</source>
        <translation>Semitransparente</translation>
    </message>
    <message>
        <source>Transparente</source>
        <translation>Transparente</translation>
    </message>
    <message>
        <source>Negro</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Blanco</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>azul</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Tipo de letra</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Fuente</source>
        <translation>Tipo de letra</translation>
    </message>
    <message>
        <source>Tamaño de letra</source>
        <translation>Tamanho de letra</translation>
    </message>
    <message>
        <source>Tamaño de letra guardado no válido («%1»): las etiquetas usan %2</source>
        <translation>Tamanho de letra guardado inválido («%1»): as etiquetas usam %2</translation>
    </message>
    <message>
        <source>Color del texto</source>
        <translation>Cor do texto</translation>
    </message>
    <message>
        <source>Color de relleno</source>
        <translation>Cor de preenchimento</translation>
    </message>
    <message>
        <source>Color de línea</source>
        <translation>Cor da linha</translation>
    </message>
    <message>
        <source>Escala del tablero</source>
        <translation>Escala do quadro</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75%</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>125%</source>
        <translation>125%</translation>
    </message>
    <message>
        <source>150%</source>
        <translation>150%</translation>
    </message>
    <message>
        <source>Pointer type</source>
        <translation>Tipo de ponteiro</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Pizarra blanca</source>
        <translation>Quadro branco</translation>
    </message>
    <message>
        <source>Pizarra negra</source>
        <translation>Quadro preto</translation>
    </message>
    <message>
        <source>Blue Grid</source>
        <translation>Grelha azul</translation>
    </message>
    <message>
        <source>White Grid</source>
        <translation>Grelha branca</translation>
    </message>
    <message>
        <source>Gray Grid</source>
        <translation>Grelha cinzenta</translation>
    </message>
    <message>
        <source>Dot Grid</source>
        <translation>Grelha de pontos</translation>
    </message>
    <message>
        <source>Herramientas</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>Grosor: %1 px (Ctrl++ / Ctrl+-)</source>
        <translation>Espessura: %1 px (Ctrl++ / Ctrl+-)</translation>
    </message>
    <message>
        <source>%1 ya existe. ¿Reemplazarlo?</source>
        <translation>%1 já existe. Substituir?</translation>
    </message>
    <message>
        <source>Mostrar clics</source>
        <translation>Mostrar cliques</translation>
    </message>
    <message>
        <source>Mostrar teclas</source>
        <translation>Mostrar teclas</translation>
    </message>
    <message>
        <source>Teclas visibles</source>
        <translation>Teclas visíveis</translation>
    </message>
    <message>
        <source>Aquí ningún programa ve los clics dados a otras ventanas: el tablero muestra solo los que recibe</source>
        <translation>Aqui nenhum programa vê os cliques dados a outras janelas: o quadro mostra só os que recebe</translation>
    </message>
    <message>
        <source>Aquí ningún programa ve las teclas de otras ventanas: el tablero muestra solo las que recibe</source>
        <translation>Aqui nenhum programa vê as teclas de outras janelas: o quadro mostra só as que recebe</translation>
    </message>
    <message>
        <source>En este escritorio Wayland solo se ven los clics y las teclas de las ventanas X11 (Xwayland)</source>
        <translation>Neste ambiente de trabalho Wayland só se veem os cliques e as teclas das janelas X11 (Xwayland)</translation>
    </message>
</context>
<context>
    <name>PortalShortcut</name>
    <message>
        <source>el portal no abrió una sesión</source>
        <translation>o portal não abriu uma sessão</translation>
    </message>
    <message>
        <source>el escritorio no lo permitió</source>
        <translation>o ambiente de trabalho não o permitiu</translation>
    </message>
    <message>
        <source>el portal no pudo atar la tecla</source>
        <translation>o portal não conseguiu associar a tecla</translation>
    </message>
    <message>
        <source>el portal no ató la tecla</source>
        <translation>o portal não associou a tecla</translation>
    </message>
</context>
<context>
    <name>PresenterSession</name>
    <message>
        <source>CorvaneTaveloWindow2: no screen is called &quot;%1&quot;; the screens are: %2
</source>
        <translation>CorvaneTaveloWindow2: nenhum ecrã se chama &quot;%1&quot;; os ecrãs são: %2
</translation>
    </message>
    <message>
        <source>CorvaneTaveloWindow2: no se pudo abrir %1: %2
</source>
        <translation>CorvaneTaveloWindow2: não foi possível abrir %1: %2
</translation>
    </message>
    <message>
        <source>Paso del puntero</source>
        <translation>Passagem do ponteiro</translation>
    </message>
    <message>
        <source>Ocultar el tablero</source>
        <translation>Ocultar o quadro</translation>
    </message>
    <message>
        <source>Limpiar</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Abrir el último tablero</source>
        <translation>Abrir o último quadro</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Pantalla siguiente</source>
        <translation>Ecrã seguinte</translation>
    </message>
    <message>
        <source>Ctrl+Shift+P</source>
        <translation>Ctrl+Shift+P</translation>
    </message>
    <message>
        <source>Ctrl+O abre el último tablero, guardado al salir</source>
        <translation>Ctrl+O abre o último quadro, guardado ao sair</translation>
    </message>
    <message>
        <source>Sin canal para otras órdenes: %1</source>
        <translation>Sem canal para outras ordens: %1</translation>
    </message>
    <message>
        <source>La tecla global guardada («%1») no se puede usar: se usa %2</source>
        <translation>A tecla global guardada («%1») não pode ser usada: usa-se %2</translation>
    </message>
    <message>
        <source>Sin tecla global del escritorio: %1</source>
        <translation>Sem tecla global do ambiente de trabalho: %1</translation>
    </message>
    <message>
        <source>Paso del puntero del Tablero Tavelo</source>
        <translation>Passagem do ponteiro do Tablero Tavelo</translation>
    </message>
    <message>
        <source>Sin tecla global en este escritorio: asigne «%1» a una tecla en la configuración del escritorio</source>
        <translation>Sem tecla global neste ambiente de trabalho: atribua «%1» a uma tecla nas definições do ambiente de trabalho</translation>
    </message>
    <message>
        <source>Sin tecla global para el paso del puntero: %1</source>
        <translation>Sem tecla global para a passagem do ponteiro: %1</translation>
    </message>
    <message>
        <source>%1 solo funciona mientras una ventana X11 tiene el foco (Xwayland); para todas, asigne «%2» a una tecla en la configuración del escritorio</source>
        <translation>%1 só funciona enquanto uma janela X11 tem o foco (Xwayland); para todas, atribua «%2» a uma tecla nas definições do ambiente de trabalho</translation>
    </message>
    <message>
        <source>Mostrar el tablero</source>
        <translation>Mostrar o quadro</translation>
    </message>
    <message>
        <source>Tablero Tavelo</source>
        <translation>Tablero Tavelo</translation>
    </message>
    <message>
        <source>Los dibujos vuelven a guardarse para recuperarlos tras un fallo</source>
        <translation>Os desenhos voltam a ser guardados para os recuperar após uma falha</translation>
    </message>
    <message>
        <source>Los dibujos no se están guardando para recuperarlos tras un fallo: %1</source>
        <translation>Os desenhos não estão a ser guardados para os recuperar após uma falha: %1</translation>
    </message>
    <message>
        <source>CorvaneTaveloWindow2: el tablero no se pudo guardar como último tablero (%1); queda la copia de recuperación
</source>
        <translation>CorvaneTaveloWindow2: o quadro não pôde ser guardado como último quadro (%1); fica a cópia de recuperação
</translation>
    </message>
    <message>
        <source>Paso del puntero: %1 vuelve al tablero</source>
        <translation>Passagem do ponteiro: %1 volta ao quadro</translation>
    </message>
    <message>
        <source>Tablero en la pantalla %1</source>
        <translation>Quadro no ecrã %1</translation>
    </message>
    <message>
        <source>Pantalla</source>
        <translation>Ecrã</translation>
    </message>
    <message>
        <source>La pantalla %1 se desconectó: el tablero pasó a %2</source>
        <translation>O ecrã %1 foi desligado: o quadro passou para %2</translation>
    </message>
    <message>
        <source>Preferencias</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>%1 no sirve como tecla global: Ctrl, Alt o Meta con una letra, una cifra, F1 a F12 o el espacio</source>
        <translation>%1 não serve como tecla global: Ctrl, Alt ou Meta com uma letra, um algarismo, F1 a F12 ou o espaço</translation>
    </message>
    <message>
        <source>en este escritorio la tecla global se elige en la configuración del escritorio</source>
        <translation>neste ambiente de trabalho a tecla global escolhe-se nas definições do ambiente de trabalho</translation>
    </message>
</context>
<context>
    <name>RawInput</name>
    <message>
        <source>este escritorio no deja ver los clics y las teclas de otras ventanas</source>
        <translation>este ambiente de trabalho não deixa ver os cliques e as teclas de outras janelas</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>no es un archivo del tablero</source>
        <translation>não é um ficheiro de quadro</translation>
    </message>
    <message>
        <source>Dibujos recuperados: el tablero no se cerró con Salir</source>
        <translation>Desenhos recuperados: o quadro não foi fechado com Sair</translation>
    </message>
    <message>
        <source>Archivo de recuperación apartado en %1: %2</source>
        <translation>Ficheiro de recuperação posto de parte em %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Preferencias</source>
        <translation>Preferências</translation>
    </message>
    <message>
        <source>Guardar el tablero al salir, para abrirlo con Ctrl+O</source>
        <translation>Guardar o quadro ao sair, para o abrir com Ctrl+O</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Restablecer</source>
        <translation>Repor</translation>
    </message>
    <message>
        <source>Pulse la combinación que pasa el puntero al escritorio y vuelve, desde cualquier programa</source>
        <translation>Prima a combinação que passa o ponteiro para o ambiente de trabalho e volta, a partir de qualquer programa</translation>
    </message>
    <message>
        <source>Tecla global:</source>
        <translation>Tecla global:</translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>Grosor:</source>
        <translation>Espessura:</translation>
    </message>
    <message>
        <source>Color de %1:</source>
        <translation>Cor de %1:</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Radio del foco:</source>
        <translation>Raio do foco:</translation>
    </message>
    <message>
        <source>Pantalla:</source>
        <translation>Ecrã:</translation>
    </message>
    <message>
        <source>El del escritorio</source>
        <translation>O do ambiente de trabalho</translation>
    </message>
    <message>
        <source>Idioma:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>El idioma cambia la próxima vez que se abre el tablero.</source>
        <translation>O idioma muda da próxima vez que o quadro abrir.</translation>
    </message>
    <message>
        <source>Mostrar teclas desde que se abre el tablero</source>
        <translation>Mostrar teclas desde que o quadro abre</translation>
    </message>
    <message>
        <source>Lo escrito en las etiquetas se muestra sin sus letras</source>
        <translation>O que se escreve nas etiquetas mostra-se sem as letras</translation>
    </message>
</context>
</TS>
