<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>ClassroomPanel</name>
    <message>
        <source>Classroom Session</source>
        <translation>Sesión de clase</translation>
    </message>
    <message>
        <source>QR code of the address to join the class</source>
        <translation>Código QR de la dirección para unirse a la clase</translation>
    </message>
    <message>
        <source>&amp;Ask the Room</source>
        <translation>&amp;Preguntar a la sala</translation>
    </message>
    <message>
        <source>&amp;Reveal</source>
        <translation>&amp;Revelar</translation>
    </message>
    <message>
        <source>&amp;Vote Again</source>
        <translation>&amp;Votar de nuevo</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproducir</translation>
    </message>
    <message>
        <source>&amp;Stop Session</source>
        <translation>&amp;Terminar la sesión</translation>
    </message>
</context>
<context>
    <name>ClassroomServer</name>
    <message>
        <source>The classroom session could not listen on port %1: %2</source>
        <translation>La sesión de clase no pudo escuchar en el puerto %1: %2</translation>
    </message>
</context>
<context>
    <name>ClassroomSession</name>
    <message>
        <source>The class answers could not be written to %1: %2</source>
        <translation>No se pudieron escribir las respuestas de la clase en %1: %2</translation>
    </message>
    <message>
        <source>Part of the program could not be loaded: %1</source>
        <translation>No se pudo cargar una parte del programa: %1</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
</context>
<context>
    <name>CompareChart</name>
    <message>
        <source>Click a tick to take every configuration back to it</source>
        <translation>Haga clic en un tic para devolver todas las configuraciones a ese momento</translation>
    </message>
    <message>
        <source>Transmit window (packets)</source>
        <translation>Ventana de transmisión (paquetes)</translation>
    </message>
    <message>
        <source>Goodput (packets per 100 ticks, over the last 200)</source>
        <translation>Goodput (paquetes por 100 tics, en los últimos 200)</translation>
    </message>
    <message>
        <source>tick (50 ms at 1×)</source>
        <translation>tic (50 ms a 1×)</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Configuration &amp;%1:</source>
        <translation>Configuración &amp;%1:</translation>
    </message>
    <message>
        <source> (Network → Losses… changes them, here or in the comparison)</source>
        <translation> (Red → Pérdidas… las cambia, aquí o en la comparación)</translation>
    </message>
    <message>
        <source>Run these side by side from one clock, with the same losses:</source>
        <translation>Ejecutar en paralelo con un mismo reloj y las mismas pérdidas:</translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source> · </source>
        <translation> · </translation>
    </message>
    <message>
        <source>Compare: %1</source>
        <translation>Comparación: %1</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>A&amp;vanzar</translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation>&amp;Retroceder</translation>
    </message>
    <message>
        <source>Speed of the shared clock</source>
        <translation>Velocidad del reloj común</translation>
    </message>
    <message>
        <source>&amp;Losses…</source>
        <translation>&amp;Pérdidas…</translation>
    </message>
    <message>
        <source>&amp;Diagram…</source>
        <translation>&amp;Diagrama…</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Guardar…</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Más pequeño</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Más grande</translation>
    </message>
    <message>
        <source>Each configuration loses the same packets and ACKs. A click on the chart takes all of them back to that tick; a packet or ACK you lose in one window is lost in the others too.</source>
        <translation>Cada configuración pierde los mismos paquetes y ACK. Un clic en la gráfica las devuelve todas a ese tic; un paquete o ACK que usted pierda en una ventana se pierde también en las demás.</translation>
    </message>
    <message>
        <source>E&amp;xport Picture…</source>
        <translation>E&amp;xportar imagen…</translation>
    </message>
    <message>
        <source>&amp;Handout…</source>
        <translation>&amp;Apuntes…</translation>
    </message>
</context>
<context>
    <name>EventLogModel</name>
    <message>
        <source>sender</source>
        <translation>emisor</translation>
    </message>
    <message>
        <source>receiver</source>
        <translation>receptor</translation>
    </message>
    <message>
        <source>user</source>
        <translation>usuario</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Tic</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Lado</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Qué ocurrió</translation>
    </message>
</context>
<context>
    <name>EventLogView</name>
    <message>
        <source>Show:</source>
        <translation>Mostrar:</translation>
    </message>
</context>
<context>
    <name>LadderView</name>
    <message>
        <source>Time-Sequence Diagram</source>
        <translation>Diagrama de tiempo-secuencia</translation>
    </message>
    <message>
        <source>Time-sequence diagram of the run</source>
        <translation>Diagrama de tiempo-secuencia de la ejecución</translation>
    </message>
    <message>
        <source>Export Picture…</source>
        <translation>Exportar imagen…</translation>
    </message>
</context>
<context>
    <name>LegendDialog</name>
    <message>
        <source>Legend</source>
        <translation>Leyenda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>LessonsDialog</name>
    <message>
        <source>Lessons</source>
        <translation>Lecciones</translation>
    </message>
</context>
<context>
    <name>LossesDialog</name>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Pérdidas</translation>
    </message>
    <message>
        <source>At random</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>&amp;Packets lost:</source>
        <translation>&amp;Paquetes perdidos:</translation>
    </message>
    <message>
        <source>&amp;ACKs lost:</source>
        <translation>&amp;ACK perdidos:</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>&amp;Semilla:</translation>
    </message>
    <message>
        <source>Packet</source>
        <translation>Paquete</translation>
    </message>
    <message>
        <source>ACK for packet</source>
        <translation>ACK del paquete</translation>
    </message>
    <message>
        <source>The packet&apos;s number; for an ACK, the packet whose arrival sends it</source>
        <translation>El número del paquete; para un ACK, el paquete cuya llegada lo envía</translation>
    </message>
    <message>
        <source>transmission </source>
        <translation>transmisión </translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Planificadas</translation>
    </message>
    <message>
        <source>Each loss is a double click on the packet or ACK as it crosses the middle of the network, recorded like yours. The same seed loses the same packets in every run and every protocol.</source>
        <translation>Cada pérdida es un doble clic sobre el paquete o ACK cuando cruza el centro de la red, registrado como los suyos. La misma semilla pierde los mismos paquetes en cada ejecución y con cada protocolo.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Time-Sequence Diagram</source>
        <translation>Diagrama de &amp;tiempo-secuencia</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Lessons...</source>
        <translation>&amp;Lecciones...</translation>
    </message>
    <message>
        <source>&amp;Keys and Mouse</source>
        <translation>&amp;Teclado y ratón</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Salir de pantalla completa</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Mayús+Tab</translation>
    </message>
    <message>
        <source>Move among the panel&apos;s controls, then into the flight area</source>
        <translation>Recorrer los controles del panel y luego entrar en la zona de tránsito</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Press the focused button or tick the focused box</source>
        <translation>Pulsar el botón activo o marcar la casilla activa</translation>
    </message>
    <message>
        <source>Arrow keys on a slider</source>
        <translation>Flechas sobre un deslizador</translation>
    </message>
    <message>
        <source>Up for more on the window and sequence sliders; Right for a longer timeout</source>
        <translation>Arriba para más en los deslizadores de ventana y de secuencia; Derecha para un temporizador más largo</translation>
    </message>
    <message>
        <source>Arrow keys in the flight area</source>
        <translation>Flechas en la zona de tránsito</translation>
    </message>
    <message>
        <source>Pick a travelling packet or ACK (it is outlined)</source>
        <translation>Elegir un paquete o ACK en camino (queda recuadrado)</translation>
    </message>
    <message>
        <source>Space in the flight area</source>
        <translation>Espacio en la zona de tránsito</translation>
    </message>
    <message>
        <source>Hold the picked one, or let it go on</source>
        <translation>Retener el elegido o dejarlo seguir</translation>
    </message>
    <message>
        <source>Delete in the flight area</source>
        <translation>Supr en la zona de tránsito</translation>
    </message>
    <message>
        <source>Lose the picked one</source>
        <translation>Perder el elegido</translation>
    </message>
    <message>
        <source>Keys and Mouse</source>
        <translation>Teclado y ratón</translation>
    </message>
    <message>
        <source>On the chart: the wheel zooms, the scroll bar below moves through the run, a click puts the cursor on a tick, a double click (or &lt;i&gt;Rewind to Cursor&lt;/i&gt;) goes back to it. Selecting a line of the log moves the cursor to its tick.</source>
        <translation>En la gráfica: la rueda hace zoom, la barra de desplazamiento de abajo recorre la ejecución, un clic pone el cursor en un tic y un doble clic (o &lt;i&gt;Volver al cursor&lt;/i&gt;) vuelve a él. Seleccionar una línea del registro mueve el cursor a su tic.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Version %2&lt;/p&gt;&lt;p&gt;A sliding-window transport protocol with congestion control, animated on a 50 ms clock: slow start, congestion avoidance, fast retransmit and recovery, selective repeat, delayed ACKs and an adaptive timeout.&lt;/p&gt;&lt;p&gt;The run is recorded as it goes, so it can be stepped back, rewound to any earlier tick on the chart, and exported.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Versión %2&lt;/p&gt;&lt;p&gt;Un protocolo de transporte de ventana deslizante con control de congestión, animado con un reloj de 50 ms: arranque lento, prevención de congestión, retransmisión y recuperación rápidas, repetición selectiva, ACK retardados y un temporizador adaptativo.&lt;/p&gt;&lt;p&gt;La ejecución se graba sobre la marcha, de modo que puede retrocederse paso a paso, rebobinarse a cualquier tic anterior en la gráfica y exportarse.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>The window</source>
        <translation>La ventana</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>La gráfica</translation>
    </message>
    <message>
        <source>The time-sequence diagram</source>
        <translation>El diagrama de tiempo-secuencia</translation>
    </message>
    <message>
        <source>The table of figures</source>
        <translation>La tabla de cifras</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Mostrar:</translation>
    </message>
    <message>
        <source>Export Comparison Picture</source>
        <translation>Exportar imagen de la comparación</translation>
    </message>
    <message>
        <source>Show together:</source>
        <translation>Mostrar juntos:</translation>
    </message>
    <message>
        <source>Export Handout</source>
        <translation>Exportar apuntes</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papel:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Ticks from:</source>
        <translation>Tics desde:</translation>
    </message>
    <message>
        <source>four ticks spread over the range</source>
        <translation>cuatro tics repartidos por el intervalo</translation>
    </message>
    <message>
        <source>Up to four ticks, separated by commas, such as 0, 150, 300, 450</source>
        <translation>Hasta cuatro tics, separados por comas, por ejemplo 0, 150, 300, 450</translation>
    </message>
    <message>
        <source>&amp;Window at ticks:</source>
        <translation>&amp;Ventana en los tics:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Title line: the run, its protocol, losses and ticks</source>
        <translation>Línea de título: la ejecución, su protocolo, pérdidas y tics</translation>
    </message>
    <message>
        <source>Choose at least one view to show.</source>
        <translation>Elija al menos una vista para mostrar.</translation>
    </message>
    <message>
        <source>Window at ticks: %1.</source>
        <translation>Ventana en los tics: %1.</translation>
    </message>
</context>
<context>
    <name>PracticePanel</name>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>Skip (Esc)</source>
        <translation>Saltar (Esc)</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Puntuación:</translation>
    </message>
    <message>
        <source>Questions per minute:</source>
        <translation>Preguntas por minuto:</translation>
    </message>
    <message>
        <source>Copy Summary</source>
        <translation>Copiar resumen</translation>
    </message>
    <message>
        <source>Watching the run for the next question…</source>
        <translation>Observando la ejecución para la próxima pregunta…</translation>
    </message>
    <message>
        <source>Watch the run: the event comes in a few ticks.</source>
        <translation>Observe la ejecución: el evento llega en unos pocos tics.</translation>
    </message>
    <message>
        <source>Skipped: the run gave %1.</source>
        <translation>Saltada: la ejecución dio %1.</translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>Correcto.</translation>
    </message>
    <message>
        <source>Not so: the run gave %1.</source>
        <translation>No: la ejecución dio %1.</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>%1 de %2 correctas</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Time-Sequence Diagrams, Ticks %1 to %2</source>
        <translation>Diagramas de tiempo-secuencia, tics %1 a %2</translation>
    </message>
    <message>
        <source>A receiver cell: a packet&apos;s number. Its colour (and, with state marks on, its mark) says whether the receiver awaits or holds the packet; View &gt; Legend explains them.</source>
        <translation>Una celda del receptor: el número de un paquete. Su color (y, con las marcas de estado, su marca) indica si el receptor espera o tiene el paquete; Ver &gt; Leyenda los explica.</translation>
    </message>
    <message>
        <source>A packet on its way to the receiver. </source>
        <translation>Un paquete en camino al receptor. </translation>
    </message>
    <message>
        <source>An ACK on its way back to the sender. </source>
        <translation>Un ACK de vuelta al emisor. </translation>
    </message>
    <message>
        <source>sender cell</source>
        <translation>celda del emisor</translation>
    </message>
    <message>
        <source>receiver cell</source>
        <translation>celda del receptor</translation>
    </message>
    <message>
        <source>Timeout Timer</source>
        <translation>Temporizador</translation>
    </message>
    <message>
        <source>Tx Window Size</source>
        <translation>Tamaño de la ventana de transmisión</translation>
    </message>
    <message>
        <source>Rx Window Size</source>
        <translation>Tamaño de la ventana de recepción</translation>
    </message>
    <message>
        <source>Max Sequence No</source>
        <translation>Número de secuencia máx.</translation>
    </message>
    <message>
        <source>setting %1</source>
        <translation>valor %1</translation>
    </message>
    <message>
        <source>highest sequence number %1</source>
        <translation>número de secuencia más alto %1</translation>
    </message>
    <message>
        <source>%1 packets</source>
        <translation>%1 paquetes</translation>
    </message>
    <message>
        <source>Timeout bar: runs down while the packet waits for its ACK; when it is empty the packet is sent again.</source>
        <translation>Barra del temporizador: se vacía mientras el paquete espera su ACK; cuando queda vacía, el paquete se reenvía.</translation>
    </message>
    <message>
        <source>The sender strip. The purple frame is the sender&apos;s window: the packets it may send before an ACK comes back.</source>
        <translation>La franja del emisor. El marco morado es la ventana del emisor: los paquetes que puede enviar antes de que vuelva un ACK.</translation>
    </message>
    <message>
        <source>The receiver strip. The purple frame is the receiver&apos;s window: the packets it takes in.</source>
        <translation>La franja del receptor. El marco morado es la ventana del receptor: los paquetes que acepta.</translation>
    </message>
    <message>
        <source>Packets travel down on the left, ACKs up on the right. </source>
        <translation>Los paquetes bajan por la izquierda, los ACK suben por la derecha. </translation>
    </message>
    <message>
        <source>Page &amp;Address...</source>
        <translation>&amp;Dirección de la página...</translation>
    </message>
    <message>
        <source>Page Address</source>
        <translation>Dirección de la página</translation>
    </message>
    <message>
        <source>The address where the page is published (https://...):</source>
        <translation>La dirección donde está publicada la página (https://...):</translation>
    </message>
    <message>
        <source>Show Link as &amp;QR Code</source>
        <translation>Mostrar el enlace como código &amp;QR</translation>
    </message>
    <message>
        <source>Show Link as QR Code (set the page&apos;s address first: View &gt; Page Address or --page-url URL)</source>
        <translation>Mostrar el enlace como código QR (primero indique la dirección de la página: Ver &gt; Dirección de la página o --page-url URL)</translation>
    </message>
    <message>
        <source>The page address %1 is not used: it must be a web address beginning with https:// or http://, or a file:// address.</source>
        <translation>La dirección de página %1 no se usa: debe ser una dirección web que empiece por https:// o http://, o una dirección file://.</translation>
    </message>
    <message>
        <source>&amp;Chart and Log</source>
        <translation>&amp;Gráfica y registro</translation>
    </message>
    <message>
        <source>&amp;Open Run...</source>
        <translation>&amp;Abrir ejecución...</translation>
    </message>
    <message>
        <source>&amp;Save Run As...</source>
        <translation>&amp;Guardar ejecución como...</translation>
    </message>
    <message>
        <source>Export Chart as &amp;PNG...</source>
        <translation>Exportar gráfica como &amp;PNG...</translation>
    </message>
    <message>
        <source>Export Chart as PNG</source>
        <translation>Exportar gráfica como PNG</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>Export Chart as S&amp;VG...</source>
        <translation>Exportar gráfica como S&amp;VG...</translation>
    </message>
    <message>
        <source>Export Chart as SVG</source>
        <translation>Exportar gráfica como SVG</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Dibujos SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export Run as &amp;CSV...</source>
        <translation>Exportar ejecución como &amp;CSV...</translation>
    </message>
    <message>
        <source>Export Run as CSV</source>
        <translation>Exportar ejecución como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Run as Packet Ca&amp;pture...</source>
        <translation>Exportar ejecución como ca&amp;ptura de paquetes...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>No se pudo escribir %1.</translation>
    </message>
    <message>
        <source>Packet capture at the sender (*.pcap)</source>
        <translation>Captura de paquetes en el emisor (*.pcap)</translation>
    </message>
    <message>
        <source>Packet capture at the receiver (*.pcap)</source>
        <translation>Captura de paquetes en el receptor (*.pcap)</translation>
    </message>
    <message>
        <source>Export Run as Packet Capture</source>
        <translation>Exportar ejecución como captura de paquetes</translation>
    </message>
    <message>
        <source>Open Run</source>
        <translation>Abrir ejecución</translation>
    </message>
    <message>
        <source>Runs (*.swrun *.json);;All files (*)</source>
        <translation>Ejecuciones (*.swrun *.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save Run As</source>
        <translation>Guardar ejecución como</translation>
    </message>
    <message>
        <source>Runs (*.swrun);;Runs, as before (*.json)</source>
        <translation>Ejecuciones (*.swrun);;Ejecuciones, formato anterior (*.json)</translation>
    </message>
    <message>
        <source>%1 cannot be opened. %2</source>
        <translation>No se puede abrir %1. %2</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Ejecución</translation>
    </message>
    <message>
        <source>S&amp;tep One Tick</source>
        <translation>A&amp;vanzar un tic</translation>
    </message>
    <message>
        <source>Step &amp;Back One Tick</source>
        <translation>&amp;Retroceder un tic</translation>
    </message>
    <message>
        <source>&amp;Compare…</source>
        <translation>&amp;Comparar…</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>&amp;Práctica</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>Veloci&amp;dad</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Protocol</source>
        <translation>&amp;Protocolo</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>&amp;Red</translation>
    </message>
    <message>
        <source>&amp;Losses…</source>
        <translation>&amp;Pérdidas…</translation>
    </message>
    <message>
        <source>&amp;No Losses</source>
        <translation>&amp;Sin pérdidas</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Acercar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>Colour-blind safe colours</source>
        <translation>Colores para daltónicos</translation>
    </message>
    <message>
        <source>State marks</source>
        <translation>Marcas de estado</translation>
    </message>
    <message>
        <source>&amp;Legend</source>
        <translation>&amp;Leyenda</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The program speaks %1 from its next start.</source>
        <translation>El programa hablará %1 a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>Classroom &amp;Session…</source>
        <translation>&amp;Sesión de clase…</translation>
    </message>
    <message>
        <source>Export Class &amp;Answers…</source>
        <translation>Exportar las &amp;respuestas de la clase…</translation>
    </message>
    <message>
        <source>Export Class Answers</source>
        <translation>Exportar las respuestas de la clase</translation>
    </message>
    <message>
        <source>Now %1.</source>
        <translation>Ahora: %1.</translation>
    </message>
    <message>
        <source>Copy &amp;Link to Run</source>
        <translation>Copiar en&amp;lace a la ejecución</translation>
    </message>
    <message>
        <source>Export P&amp;icture...</source>
        <translation>Exportar &amp;imagen...</translation>
    </message>
    <message>
        <source>Export &amp;Figures as CSV...</source>
        <translation>Exportar &amp;cifras como CSV...</translation>
    </message>
    <message>
        <source>Export Figures as CSV</source>
        <translation>Exportar cifras como CSV</translation>
    </message>
    <message>
        <source>Export &amp;Handout (PDF)...</source>
        <translation>Exportar &amp;apuntes (PDF)...</translation>
    </message>
    <message>
        <source>P&amp;rint Handout...</source>
        <translation>Imp&amp;rimir apuntes...</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>PNG images (*.png);;SVG drawings (*.svg)</source>
        <translation>Imágenes PNG (*.png);;Dibujos SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export Comparison Picture</source>
        <translation>Exportar imagen de la comparación</translation>
    </message>
    <message>
        <source>Export Handout</source>
        <translation>Exportar apuntes</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The handout could not be printed.</source>
        <translation>No se pudieron imprimir los apuntes.</translation>
    </message>
    <message>
        <source>&amp;Go to Tick…</source>
        <translation>&amp;Ir al tic…</translation>
    </message>
    <message>
        <source>Go to Tick</source>
        <translation>Ir al tic</translation>
    </message>
    <message>
        <source>Tick (now %1; a later tick plays on to it, an earlier one rewinds):</source>
        <translation>Tic (ahora %1; a un tic posterior se llega reproduciendo, a uno anterior rebobinando):</translation>
    </message>
</context>
<context>
    <name>QrDialog</name>
    <message>
        <source>Link as QR Code</source>
        <translation>Enlace como código QR</translation>
    </message>
    <message>
        <source>QR code of the link to this run</source>
        <translation>Código QR del enlace a esta ejecución</translation>
    </message>
    <message>
        <source>Scan to open this run on a phone (%1 characters).</source>
        <translation>Escanee para abrir esta ejecución en un teléfono (%1 caracteres).</translation>
    </message>
    <message>
        <source>&amp;Copy Link</source>
        <translation>&amp;Copiar enlace</translation>
    </message>
</context>
<context>
    <name>RunChart</name>
    <message>
        <source>tick (50 ms at 1×)</source>
        <translation>tic (50 ms a 1×)</translation>
    </message>
    <message>
        <source>packets</source>
        <translation>paquetes</translation>
    </message>
    <message>
        <source>Avoidance</source>
        <translation>Prevención de congestión</translation>
    </message>
    <message>
        <source>tick %1</source>
        <translation>tic %1</translation>
    </message>
    <message>
        <source>Put Cursor on Tick %1</source>
        <translation>Poner el cursor en el tic %1</translation>
    </message>
    <message>
        <source>Rewind to Tick %1</source>
        <translation>Volver al tic %1</translation>
    </message>
    <message>
        <source>Export Picture…</source>
        <translation>Exportar imagen…</translation>
    </message>
</context>
<context>
    <name>RunPanel</name>
    <message>
        <source>Chart and Log</source>
        <translation>Gráfica y registro</translation>
    </message>
    <message>
        <source>The run the chart, the log and the CSV export show; each Reset begins a new run</source>
        <translation>La ejecución que muestran la gráfica, el registro y la exportación CSV; cada Reset empieza una ejecución nueva</translation>
    </message>
    <message>
        <source>Run 1 (current)</source>
        <translation>Ejecución 1 (actual)</translation>
    </message>
    <message>
        <source>Follow Run</source>
        <translation>Seguir la ejecución</translation>
    </message>
    <message>
        <source>Keep the latest tick at the right edge</source>
        <translation>Mantener el último tic en el borde derecho</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Fewer ticks across the chart (%1)</source>
        <translation>Menos tics en la gráfica (%1)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>More ticks across the chart (%1)</source>
        <translation>Más tics en la gráfica (%1)</translation>
    </message>
    <message>
        <source>Whole Run</source>
        <translation>Toda la ejecución</translation>
    </message>
    <message>
        <source>Every tick so far</source>
        <translation>Todos los tics hasta ahora</translation>
    </message>
    <message>
        <source>Rewind to Cursor</source>
        <translation>Volver al cursor</translation>
    </message>
    <message>
        <source>Go back to the tick under the cursor and pause there; what happened after it is dropped (also: double click on the chart)</source>
        <translation>Volver al tic bajo el cursor y quedarse en pausa allí; lo que ocurrió después se descarta (también: doble clic en la gráfica)</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>Ejecución %1</translation>
    </message>
    <message>
        <source> (current)</source>
        <translation> (actual)</translation>
    </message>
    <message>
        <source>  cursor: tick %1 of %2</source>
        <translation>  cursor: tic %1 de %2</translation>
    </message>
    <message>
        <source>  tick %1 (click the chart to put the cursor on a tick)</source>
        <translation>  tic %1 (haga clic en la gráfica para poner el cursor en un tic)</translation>
    </message>
</context>
<context>
    <name>chart</name>
    <message>
        <source>Tx window</source>
        <translation>Ventana de transmisión</translation>
    </message>
    <message>
        <source>SSThresh</source>
        <translation>SSThresh</translation>
    </message>
    <message>
        <source>Flight size</source>
        <translation>Paquetes en vuelo</translation>
    </message>
    <message>
        <source>Rx window</source>
        <translation>Ventana de recepción</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Expiración</translation>
    </message>
    <message>
        <source>Fast retransmit</source>
        <translation>Retransmisión rápida</translation>
    </message>
    <message>
        <source>Packet lost</source>
        <translation>Paquete perdido</translation>
    </message>
    <message>
        <source>ACK lost</source>
        <translation>ACK perdido</translation>
    </message>
    <message>
        <source>State change</source>
        <translation>Cambio de estado</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>Descartado</translation>
    </message>
    <message>
        <source>Avoidance</source>
        <translation>Prevención de congestión</translation>
    </message>
</context>
<context>
    <name>diagram</name>
    <message>
        <source>%1 (seq %2)</source>
        <translation>%1 (sec %2)</translation>
    </message>
    <message>
        <source>ACK %1 dup</source>
        <translation>ACK %1 dup</translation>
    </message>
    <message>
        <source>ACK %1</source>
        <translation>ACK %1</translation>
    </message>
    <message>
        <source>timeout</source>
        <translation>expiración</translation>
    </message>
    <message>
        <source>fast retransmit</source>
        <translation>retransmisión rápida</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>drop %1</source>
        <translation>descarte %1</translation>
    </message>
</context>
<context>
    <name>figures</name>
    <message>
        <source>Delivered in order</source>
        <translation>Entregados en orden</translation>
    </message>
    <message>
        <source>Retransmissions</source>
        <translation>Retransmisiones</translation>
    </message>
    <message>
        <source>Timeouts</source>
        <translation>Expiraciones</translation>
    </message>
    <message>
        <source>Drops by the receiver</source>
        <translation>Descartes del receptor</translation>
    </message>
    <message>
        <source>Goodput (per 100 ticks)</source>
        <translation>Goodput (por 100 tics)</translation>
    </message>
    <message>
        <source>Goodput, last 200 ticks</source>
        <translation>Goodput, últimos 200 tics</translation>
    </message>
</context>
<context>
    <name>legend</name>
    <message>
        <source>not sent yet</source>
        <translation>aún no enviado</translation>
    </message>
    <message>
        <source>queued</source>
        <translation>en cola</translation>
    </message>
    <message>
        <source>queued, waiting for its first trip</source>
        <translation>en cola, esperando su primer envío</translation>
    </message>
    <message>
        <source>queued again to be resent</source>
        <translation>de nuevo en cola para reenviarse</translation>
    </message>
    <message>
        <source>queued again, waiting to be resent</source>
        <translation>de nuevo en cola, esperando el reenvío</translation>
    </message>
    <message>
        <source>in flight</source>
        <translation>en vuelo</translation>
    </message>
    <message>
        <source>in flight (sent once)</source>
        <translation>en vuelo (enviado una vez)</translation>
    </message>
    <message>
        <source>in flight, retransmitted</source>
        <translation>en vuelo, retransmitido</translation>
    </message>
    <message>
        <source>sent again, in flight once more</source>
        <translation>reenviado, de nuevo en vuelo</translation>
    </message>
    <message>
        <source>marked for a selective resend</source>
        <translation>marcado para un reenvío selectivo</translation>
    </message>
    <message>
        <source>marked to be resent at the next tick (selective repeat)</source>
        <translation>marcado para reenviarse en el próximo tic (repetición selectiva)</translation>
    </message>
    <message>
        <source>acknowledged</source>
        <translation>confirmado</translation>
    </message>
    <message>
        <source>acknowledged: done</source>
        <translation>confirmado: terminado</translation>
    </message>
    <message>
        <source>outside the receive window</source>
        <translation>fuera de la ventana de recepción</translation>
    </message>
    <message>
        <source>awaited</source>
        <translation>esperado</translation>
    </message>
    <message>
        <source>inside the window, not here yet</source>
        <translation>dentro de la ventana, aún no llegó</translation>
    </message>
    <message>
        <source>received</source>
        <translation>recibido</translation>
    </message>
    <message>
        <source>received under another packet&apos;s number</source>
        <translation>recibido con el número de otro paquete</translation>
    </message>
    <message>
        <source>taken in under another packet&apos;s number (too few sequence numbers)</source>
        <translation>aceptado con el número de otro paquete (demasiado pocos números de secuencia)</translation>
    </message>
    <message>
        <source>✕ lost here</source>
        <translation>✕ perdido aquí</translation>
    </message>
    <message>
        <source>A click on a travelling packet or ACK holds it and a click on a held one lets it go on, but until the clock has run seven ticks after such a click (350 ms at 1×, 91 ms at 4×; a paused clock runs none), any further click on a packet or ACK loses the one clicked.</source>
        <translation>Un clic sobre un paquete o ACK en camino lo retiene y un clic sobre uno retenido lo deja seguir, pero hasta que el reloj haya avanzado siete tics tras ese clic (350 ms a 1×, 91 ms a 4×; un reloj en pausa no avanza), cualquier otro clic sobre un paquete o ACK pierde el que se pulsa.</translation>
    </message>
    <message>
        <source>Flight area</source>
        <translation>Zona de tránsito</translation>
    </message>
    <message>
        <source>The arrow keys pick a travelling packet or ACK, Space holds or releases it, Delete loses it.</source>
        <translation>Las flechas eligen un paquete o ACK en camino, Espacio lo retiene o lo suelta, Supr lo pierde.</translation>
    </message>
    <message>
        <source>Sender cells: what has happened to each packet</source>
        <translation>Celdas del emisor: qué le ha pasado a cada paquete</translation>
    </message>
    <message>
        <source>Timeout bar above the cell: runs down while the packet waits for its ACK; when it is empty the packet is sent again.</source>
        <translation>Barra del temporizador sobre la celda: se vacía mientras el paquete espera su ACK; cuando queda vacía, el paquete se reenvía.</translation>
    </message>
    <message>
        <source>Receiver cells: what the receiver holds</source>
        <translation>Celdas del receptor: qué tiene el receptor</translation>
    </message>
    <message>
        <source>Windows, packets and ACKs</source>
        <translation>Ventanas, paquetes y ACK</translation>
    </message>
    <message>
        <source>Purple frame: the sender&apos;s window (top) and the receiver&apos;s window (bottom).</source>
        <translation>Marco morado: la ventana del emisor (arriba) y la del receptor (abajo).</translation>
    </message>
    <message>
        <source>Outlined packet or ACK: held by a click; it waits where it is.</source>
        <translation>Paquete o ACK recuadrado: retenido por un clic; espera donde está.</translation>
    </message>
    <message>
        <source>A held packet or ACK waits where it is (turn on state marks to outline it).</source>
        <translation>Un paquete o ACK retenido espera donde está (active las marcas de estado para recuadrarlo).</translation>
    </message>
    <message>
        <source>A packet or ACK removed by a click leaves this mark for a moment (with state marks on). </source>
        <translation>Un paquete o ACK eliminado con un clic deja esta marca un momento (con las marcas de estado). </translation>
    </message>
    <message>
        <source>packet %1, sequence number %2, held</source>
        <translation>paquete %1, número de secuencia %2, retenido</translation>
    </message>
    <message>
        <source>packet %1, sequence number %2, travelling</source>
        <translation>paquete %1, número de secuencia %2, en camino</translation>
    </message>
    <message>
        <source>ACK for sequence number %1 (packet %2), sent when packet %3 arrived, held</source>
        <translation>ACK del número de secuencia %1 (paquete %2), enviado al llegar el paquete %3, retenido</translation>
    </message>
    <message>
        <source>ACK for sequence number %1 (packet %2), sent when packet %3 arrived, travelling</source>
        <translation>ACK del número de secuencia %1 (paquete %2), enviado al llegar el paquete %3, en camino</translation>
    </message>
    <message>
        <source>ACK, held</source>
        <translation>ACK, retenido</translation>
    </message>
    <message>
        <source>ACK, travelling</source>
        <translation>ACK, en camino</translation>
    </message>
    <message>
        <source>packet, held</source>
        <translation>paquete, retenido</translation>
    </message>
    <message>
        <source>packet, travelling</source>
        <translation>paquete, en camino</translation>
    </message>
</context>
<context>
    <name>lesson auto-rtt-timeout</name>
    <message>
        <source>A timeout with Auto RTT backing the timer off</source>
        <translation>Una expiración con Auto RTT alargando el temporizador</translation>
    </message>
    <message>
        <source>Auto RTT is on and the timeout starts at 4, shorter than a round trip of 146 ticks. Packet 1 is lost at tick 15. At tick 93 packet 0&apos;s timer runs out before its ACK could return (timeout marker) and Auto RTT doubles the timeout setting to 8; packet 1 times out at tick 147 and the setting doubles again, to 16. As ACKs come back in time, Auto RTT brings the setting down step by step: 8 at tick 293, 7 at tick 304, 6 at tick 439.</source>
        <translation>Auto RTT está activado y el temporizador empieza en 4, menos que un viaje de ida y vuelta de 146 tics. El paquete 1 se pierde en el tic 15. En el tic 93 el temporizador del paquete 0 expira antes de que su ACK pudiera volver (marcador de expiración) y Auto RTT duplica el temporizador a 8; el paquete 1 expira en el tic 147 y el valor se duplica otra vez, a 16. Como los ACK vuelven a tiempo, Auto RTT baja el valor paso a paso: 8 en el tic 293, 7 en el tic 304, 6 en el tic 439.</translation>
    </message>
    <message>
        <source>The timeout setting of 4 is shorter than a round trip. Which packets will be sent again when the first timer runs out?</source>
        <translation>El temporizador de 4 es más corto que un viaje de ida y vuelta. ¿Qué paquetes se reenviarán cuando expire el primer temporizador?</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>paquete 1</translation>
    </message>
    <message>
        <source>packet 0</source>
        <translation>paquete 0</translation>
    </message>
    <message>
        <source>packets 0 to 3</source>
        <translation>paquetes 0 a 3</translation>
    </message>
    <message>
        <source>Packet 0 was not lost: its ACK simply had no time to come back. Its timer runs out first and it is sent again needlessly, and Auto RTT doubles the timeout setting so that it does not happen again.</source>
        <translation>El paquete 0 no se perdió: su ACK simplemente no tuvo tiempo de volver. Su temporizador expira primero y se reenvía sin necesidad, y Auto RTT duplica el temporizador para que no vuelva a ocurrir.</translation>
    </message>
</context>
<context>
    <name>lesson fast-retransmit</name>
    <message>
        <source>Fast retransmit after three duplicate ACKs</source>
        <translation>Retransmisión rápida tras tres ACK duplicados</translation>
    </message>
    <message>
        <source>Slow Start and Fast Retransmit are on, with the timeout at 12 as the option suggests. Packet 4 is lost at tick 230. The packets behind it each bring back a duplicate ACK asking for packet 4. The third duplicate arrives at tick 450: the sender resends packet 4 at once, without waiting for its timer (fast-retransmit marker), sets the threshold to half the 6 packets in flight, 3, and keeps sending. The first ACK that is not a duplicate ends fast recovery at tick 596.</source>
        <translation>Arranque lento y retransmisión rápida están activados, con el temporizador en 12 como sugiere la opción. El paquete 4 se pierde en el tic 230. Los paquetes que lo siguen devuelven cada uno un ACK duplicado que pide el paquete 4. El tercer duplicado llega en el tic 450: el emisor reenvía el paquete 4 de inmediato, sin esperar a su temporizador (marcador de retransmisión rápida), fija el umbral en la mitad de los 6 paquetes en vuelo, 3, y sigue enviando. El primer ACK que no es duplicado termina la recuperación rápida en el tic 596.</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet 4 is on its way. Which packets will be sent again?</source>
        <translation>El tercer ACK duplicado que pide el paquete 4 está en camino. ¿Qué paquetes se reenviarán?</translation>
    </message>
    <message>
        <source>packet 4</source>
        <translation>paquete 4</translation>
    </message>
    <message>
        <source>packets 4 to 9</source>
        <translation>paquetes 4 a 9</translation>
    </message>
    <message>
        <source>packet 5</source>
        <translation>paquete 5</translation>
    </message>
    <message>
        <source>Three duplicate ACKs tell the sender that one packet is missing and the ones behind it arrived: it resends only that packet at once, without waiting for its timer.</source>
        <translation>Tres ACK duplicados indican al emisor que falta un paquete y que los siguientes llegaron: reenvía solo ese paquete de inmediato, sin esperar a su temporizador.</translation>
    </message>
    <message>
        <source>The first ACK after the fast retransmit is on its way. What will SSThresh be?</source>
        <translation>El primer ACK tras la retransmisión rápida está en camino. ¿Cuánto valdrá SSThresh?</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Fast retransmit sets the threshold to half the packets in flight, but keeps sending instead of starting again from one packet.</source>
        <translation>La retransmisión rápida fija el umbral en la mitad de los paquetes en vuelo, pero sigue enviando en lugar de empezar de nuevo desde un paquete.</translation>
    </message>
</context>
<context>
    <name>lesson go-back-n</name>
    <message>
        <source>Go-back-N (textbook) recovering one lost packet</source>
        <translation>Go-back-N (de libro) recupera un paquete perdido</translation>
    </message>
    <message>
        <source>Go-back-N as the textbooks teach it: on a timeout the sender goes back and sends every unacknowledged packet again, and the receiver keeps only in-order packets. Packet 1 is lost at tick 15 (double click). Packets 2, 3 and 4 arrive after the gap and are thrown away (ticks 96, 107 and 220), so every ACK keeps asking for packet 1. At tick 174 packet 1&apos;s timer runs out (timeout marker): the sender goes back and queues packets 1, 2, 3 and 4 again (&quot;Going back: retransmitting packet&quot;, ticks 174 to 176). They arrive in order, by tick 280 the receiver asks for packet 5, and nothing is dropped after that. One loss costs one window of retransmissions, once.</source>
        <translation>Go-back-N tal como lo enseñan los libros: al expirar el temporizador, el emisor retrocede y reenvía todos los paquetes no confirmados, y el receptor solo acepta paquetes en orden. El paquete 1 se pierde en el tic 15 (doble clic). Los paquetes 2, 3 y 4 llegan después del hueco y se descartan (tics 96, 107 y 220), así que cada ACK sigue pidiendo el paquete 1. En el tic 174 expira el temporizador del paquete 1 (marcador de expiración): el emisor retrocede y vuelve a poner en cola los paquetes 1, 2, 3 y 4 («Going back: retransmitting packet», tics 174 a 176). Llegan en orden, en el tic 280 el receptor pide el paquete 5, y después ya no se descarta nada. Una pérdida cuesta una ventana de retransmisiones, una vez.</translation>
    </message>
    <message>
        <source>Packet 1 was lost. A packet after the gap arrives at the in-order receiver. Which packet will the receiver ask for next?</source>
        <translation>El paquete 1 se perdió. Un paquete posterior al hueco llega al receptor en orden. ¿Qué paquete pedirá a continuación el receptor?</translation>
    </message>
    <message>
        <source>packet 3</source>
        <translation>paquete 3</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>paquete 1</translation>
    </message>
    <message>
        <source>packet 4</source>
        <translation>paquete 4</translation>
    </message>
    <message>
        <source>The in-order receiver throws away a packet it did not expect and asks again for the one it is waiting for: every ACK names the next packet wanted, here still packet 1.</source>
        <translation>El receptor en orden descarta un paquete que no esperaba y vuelve a pedir el que espera: cada ACK nombra el siguiente paquete que quiere, aquí todavía el paquete 1.</translation>
    </message>
</context>
<context>
    <name>lesson go-back-n-original-receiver</name>
    <message>
        <source>Go-back-N sender with a receiver that keeps out-of-order packets</source>
        <translation>Emisor go-back-N con un receptor que guarda paquetes fuera de orden</translation>
    </message>
    <message>
        <source>The same loss as the go-back-N lesson, but with the original sender and receiver: the sender resends only the packet whose timer ran out, and the receiver keeps packets that arrive after a gap. Packet 1 is lost at tick 15; packets 2, 3 and 4 are kept. At tick 174 packet 1 times out and is sent again, and when it arrives (tick 247) one cumulative ACK asks for packet 5: everything up to 4 is acknowledged at once. Only the lost packet was sent twice, so this sender behaves almost like selective repeat; the difference is that it needed a timeout to learn of the loss.</source>
        <translation>La misma pérdida que en la lección go-back-N, pero con el emisor y el receptor originales: el emisor reenvía solo el paquete cuyo temporizador expiró, y el receptor guarda los paquetes que llegan después de un hueco. El paquete 1 se pierde en el tic 15; los paquetes 2, 3 y 4 se guardan. En el tic 174 el paquete 1 expira y se reenvía, y cuando llega (tic 247) un solo ACK acumulativo pide el paquete 5: todo hasta el 4 queda confirmado de una vez. Solo el paquete perdido se envió dos veces, así que este emisor se comporta casi como la repetición selectiva; la diferencia es que necesitó una expiración para enterarse de la pérdida.</translation>
    </message>
    <message>
        <source>Packet 1&apos;s timer is about to run out. Which packets will be sent again?</source>
        <translation>El temporizador del paquete 1 está a punto de expirar. ¿Qué paquetes se reenviarán?</translation>
    </message>
    <message>
        <source>packets 1 to 4</source>
        <translation>paquetes 1 a 4</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>paquete 1</translation>
    </message>
    <message>
        <source>packet 2</source>
        <translation>paquete 2</translation>
    </message>
    <message>
        <source>The original sender resends only the packet whose timer ran out. The receiver kept packets 2 to 4, so when packet 1 arrives one cumulative ACK covers them all.</source>
        <translation>El emisor original reenvía solo el paquete cuyo temporizador expiró. El receptor guardó los paquetes 2 a 4, así que cuando llega el paquete 1 un solo ACK acumulativo los cubre a todos.</translation>
    </message>
</context>
<context>
    <name>lesson lost-ack</name>
    <message>
        <source>A lost ACK covered by the next cumulative ACK</source>
        <translation>Un ACK perdido cubierto por el siguiente ACK acumulativo</translation>
    </message>
    <message>
        <source>At tick 80 the ACK asking for packet 1 is lost (double click on it; ACK-lost marker). Nothing needs resending: the next ACK, asking for packet 2, arrives a few ticks later and acknowledges packets 0 and 1 together, because every ACK names the next packet the receiver wants. No timeout happens in the whole run.</source>
        <translation>En el tic 80 se pierde el ACK que pide el paquete 1 (doble clic sobre él; marcador de ACK perdido). No hay que reenviar nada: el siguiente ACK, que pide el paquete 2, llega pocos tics después y confirma juntos los paquetes 0 y 1, porque cada ACK nombra el siguiente paquete que quiere el receptor. En toda la ejecución no hay ninguna expiración.</translation>
    </message>
    <message>
        <source>The ACK asking for packet 1 was lost. What will the sender do about packet 0?</source>
        <translation>Se perdió el ACK que pide el paquete 1. ¿Qué hará el emisor con el paquete 0?</translation>
    </message>
    <message>
        <source>Resend packet 0 when its timer runs out</source>
        <translation>Reenviar el paquete 0 cuando expire su temporizador</translation>
    </message>
    <message>
        <source>Nothing: the next ACK acknowledges it too</source>
        <translation>Nada: el siguiente ACK también lo confirma</translation>
    </message>
    <message>
        <source>Resend packets 0 and 1 at once</source>
        <translation>Reenviar de inmediato los paquetes 0 y 1</translation>
    </message>
    <message>
        <source>Every ACK names the next packet the receiver wants, so the ACK asking for packet 2 acknowledges packets 0 and 1 together: a lost ACK costs nothing when another follows in time.</source>
        <translation>Cada ACK nombra el siguiente paquete que quiere el receptor, así que el ACK que pide el paquete 2 confirma juntos los paquetes 0 y 1: un ACK perdido no cuesta nada si otro llega a tiempo.</translation>
    </message>
</context>
<context>
    <name>lesson one-at-a-time</name>
    <message>
        <source>One packet at a time against a window of eight</source>
        <translation>Un paquete cada vez frente a una ventana de ocho</translation>
    </message>
    <message>
        <source>The transmit window starts at one packet: the sender puts packet 0 on the wire and waits 146 ticks for its ACK before packet 1 may leave, so the line stands idle most of the time. At tick 350 the Tx Window Size slider moves to 8 and the sender fills the pipe: eight packets travel at once, and as many ACKs come back as fast as they can. Compare how far the sender strip has got at tick 350 and at tick 700.</source>
        <translation>La ventana de transmisión empieza en un paquete: el emisor pone el paquete 0 en la línea y espera 146 tics su ACK antes de que pueda salir el paquete 1, así que la línea está ociosa casi todo el tiempo. En el tic 350 el deslizador Tamaño de la ventana de transmisión pasa a 8 y el emisor llena la tubería: viajan ocho paquetes a la vez, y vuelven otros tantos ACK tan rápido como pueden. Compare hasta dónde ha llegado la franja del emisor en el tic 350 y en el tic 700.</translation>
    </message>
    <message>
        <source>The Tx Window Size slider moves from 1 to 8 at tick 350. How many packets will travel at once soon after?</source>
        <translation>El deslizador Tamaño de la ventana de transmisión pasa de 1 a 8 en el tic 350. ¿Cuántos paquetes viajarán a la vez poco después?</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <source>The transmit window is the number of packets that may be sent and not yet acknowledged. At 8 the sender puts eight packets on the wire without waiting, so the line is busy instead of idle.</source>
        <translation>La ventana de transmisión es el número de paquetes que pueden estar enviados y aún sin confirmar. Con 8, el emisor pone ocho paquetes en la línea sin esperar, así que la línea está ocupada en lugar de ociosa.</translation>
    </message>
</context>
<context>
    <name>lesson same-losses</name>
    <message>
        <source>Same losses, three protocols</source>
        <translation>Mismas pérdidas, tres protocolos</translation>
    </message>
    <message>
        <source>Three protocols run side by side from one clock, and the network loses 5 % of the packets in each, drawn from seed 7: whether a packet is lost depends only on its number and which transmission of it this is, so the same packets are lost under all three. Packets 9, 15 and 18 are lost under every protocol; go-back-N and selective repeat lose 9 at tick 195 and 15 at tick 261, stop-and-wait only reaches packet 9 at tick 1352. Stop-and-wait has one packet in flight, so every packet costs a whole round trip and a loss a whole timeout. Go-back-N sends eight at a time, but after a timeout it sends the whole window again and its in-order receiver drops what arrived after the gap; those resends are drawn again, so some of them are lost too (packet 16&apos;s second transmission, at tick 434). Selective repeat resends only the packet that was lost and keeps the rest. Watch the timeout markers and the resend colours in each window, and the figures table.

At tick 3000 (goodput: packets delivered in order per 100 ticks): Stop-and-wait: 18 delivered, 2 retransmissions, goodput 0.6. Go-back-N (textbook): 92 delivered, 80 retransmissions, goodput 3.1. Selective repeat: 115 delivered, 8 retransmissions, goodput 3.8.</source>
        <translation>Tres protocolos se ejecutan en paralelo con un mismo reloj, y la red pierde el 5 % de los paquetes de cada uno, sorteados con la semilla 7: que un paquete se pierda depende solo de su número y de qué transmisión suya es, así que se pierden los mismos paquetes en los tres. Los paquetes 9, 15 y 18 se pierden con todos los protocolos; go-back-N y la repetición selectiva pierden el 9 en el tic 195 y el 15 en el tic 261, y stop-and-wait no llega al paquete 9 hasta el tic 1352. Stop-and-wait tiene un solo paquete en vuelo, así que cada paquete cuesta un viaje de ida y vuelta completo y una pérdida un temporizador completo. Go-back-N envía ocho a la vez, pero tras una expiración reenvía toda la ventana y su receptor en orden descarta lo que llegó después del hueco; esos reenvíos se sortean de nuevo, así que algunos también se pierden (la segunda transmisión del paquete 16, en el tic 434). La repetición selectiva reenvía solo el paquete perdido y guarda el resto. Observe en cada ventana los marcadores de expiración y los colores de los reenvíos, y la tabla de cifras.

En el tic 3000 (goodput: paquetes entregados en orden por 100 tics): Stop-and-wait: 18 entregados, 2 retransmisiones, goodput 0.6. Go-back-N (de libro): 92 entregados, 80 retransmisiones, goodput 3.1. Repetición selectiva: 115 entregados, 8 retransmisiones, goodput 3.8.</translation>
    </message>
    <message>
        <source>Stop-and-wait</source>
        <translation>Stop-and-wait</translation>
    </message>
    <message>
        <source>Packet 9 was lost at tick 1352 and its timer runs out now. What does the stop-and-wait sender send again?</source>
        <translation>El paquete 9 se perdió en el tic 1352 y su temporizador expira ahora. ¿Qué reenvía el emisor stop-and-wait?</translation>
    </message>
    <message>
        <source>packet 9</source>
        <translation>paquete 9</translation>
    </message>
    <message>
        <source>packets 9 to 16</source>
        <translation>paquetes 9 a 16</translation>
    </message>
    <message>
        <source>packet 10</source>
        <translation>paquete 10</translation>
    </message>
    <message>
        <source>Stop-and-wait never has more than one packet in flight, so a timeout costs it one resend, but a whole timeout&apos;s wait. Go-back-N lost the same packet 9 at tick 195 and sent packets 9 to 16 again from tick 320.</source>
        <translation>Stop-and-wait nunca tiene más de un paquete en vuelo, así que una expiración le cuesta un reenvío, pero la espera de todo un temporizador. Go-back-N perdió el mismo paquete 9 en el tic 195 y reenvió los paquetes 9 a 16 desde el tic 320.</translation>
    </message>
    <message>
        <source>Go-back-N (textbook)</source>
        <translation>Go-back-N (de libro)</translation>
    </message>
    <message>
        <source>Selective repeat</source>
        <translation>Repetición selectiva</translation>
    </message>
</context>
<context>
    <name>lesson selective-repeat</name>
    <message>
        <source>The same loss under selective repeat</source>
        <translation>La misma pérdida con repetición selectiva</translation>
    </message>
    <message>
        <source>Selective Repeat is on. Packet 1 is lost at tick 15. The sender keeps sending while the receiver holds packets 2 and up. At tick 169 the sender enters the Selective state, and at tick 180 packet 1&apos;s timer runs out and only packet 1 is sent again (timeout marker). When its ACK returns the window opens fully again (back to Normal at tick 326).</source>
        <translation>La repetición selectiva está activada. El paquete 1 se pierde en el tic 15. El emisor sigue enviando mientras el receptor guarda los paquetes del 2 en adelante. En el tic 169 el emisor entra en el estado Selective, y en el tic 180 expira el temporizador del paquete 1 y solo se reenvía el paquete 1 (marcador de expiración). Cuando vuelve su ACK la ventana se abre del todo otra vez (de vuelta a Normal en el tic 326).</translation>
    </message>
    <message>
        <source>The resent packet 1 reaches the receiver, which holds packets 2 and up. Which packet will the receiver ask for next?</source>
        <translation>El paquete 1 reenviado llega al receptor, que guarda los paquetes del 2 en adelante. ¿Qué paquete pedirá a continuación el receptor?</translation>
    </message>
    <message>
        <source>packet 2</source>
        <translation>paquete 2</translation>
    </message>
    <message>
        <source>packet 6</source>
        <translation>paquete 6</translation>
    </message>
    <message>
        <source>packet 7</source>
        <translation>paquete 7</translation>
    </message>
    <message>
        <source>The arrival fills the gap: the receiver takes in packet 1 and everything it held after it, and its ACK asks for the first packet it has not got.</source>
        <translation>La llegada llena el hueco: el receptor acepta el paquete 1 y todo lo que guardaba detrás, y su ACK pide el primer paquete que no tiene.</translation>
    </message>
</context>
<context>
    <name>lesson slow-start</name>
    <message>
        <source>Slow start up to the threshold, then avoidance</source>
        <translation>Arranque lento hasta el umbral, luego prevención de congestión</translation>
    </message>
    <message>
        <source>Slow Start and Avoidance are on, the receive window is 16. The window starts at 2 and grows by one packet for every ACK: 4 at tick 158, 8 at tick 326. Packet 6 is lost at tick 330; its timeout at tick 455, with 8 packets in flight, sets the threshold to half of them, 4, and drops the window to 1. Slow start brings it back up to the threshold (4 at tick 904); from there congestion avoidance adds only a fraction of a packet per ACK (4.25 at tick 1039): watch the slope change on the chart. The textbooks&apos; rule grows the window by about one packet per round trip; here the window figure snaps up to the next whole packet as soon as it rounds to it, as in the original program (5 at tick 1061, 8 at tick 1375), which makes about 1.4 packets per round trip of 146 ticks.</source>
        <translation>Arranque lento y prevención de congestión están activados; la ventana de recepción es 16. La ventana empieza en 2 y crece un paquete por cada ACK: 4 en el tic 158, 8 en el tic 326. El paquete 6 se pierde en el tic 330; su expiración en el tic 455, con 8 paquetes en vuelo, fija el umbral en la mitad, 4, y baja la ventana a 1. El arranque lento la sube de nuevo hasta el umbral (4 en el tic 904); desde ahí la prevención de congestión añade solo una fracción de paquete por ACK (4.25 en el tic 1039): observe cómo cambia la pendiente en la gráfica. La regla de los libros hace crecer la ventana alrededor de un paquete por viaje de ida y vuelta; aquí la cifra de la ventana salta al siguiente paquete entero en cuanto se redondea a él, como en el programa original (5 en el tic 1061, 8 en el tic 1375), lo que da unos 1.4 paquetes por viaje de ida y vuelta de 146 tics.</translation>
    </message>
    <message>
        <source>In slow start the window grows by one packet for every ACK. The next ACK arrives soon. What will the Tx Window Size be?</source>
        <translation>En arranque lento la ventana crece un paquete por cada ACK. El próximo ACK llega pronto. ¿Cuánto valdrá el tamaño de la ventana de transmisión?</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>14</source>
        <translation>14</translation>
    </message>
    <message>
        <source>Slow start adds one packet to the window for each ACK while the window is below SSThresh, so it doubles every round trip.</source>
        <translation>El arranque lento añade un paquete a la ventana por cada ACK mientras la ventana está por debajo de SSThresh, así que se duplica en cada viaje de ida y vuelta.</translation>
    </message>
    <message>
        <source>Packet 6 was lost, and its timer is about to run out with 8 packets in flight. What will SSThresh be?</source>
        <translation>El paquete 6 se perdió y su temporizador está a punto de expirar con 8 paquetes en vuelo. ¿Cuánto valdrá SSThresh?</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>On a timeout SSThresh becomes half the packets in flight, and the window drops to one packet: slow start then climbs back to the threshold.</source>
        <translation>En una expiración SSThresh pasa a ser la mitad de los paquetes en vuelo y la ventana cae a un paquete: después el arranque lento vuelve a subir hasta el umbral.</translation>
    </message>
</context>
<context>
    <name>lesson small-sequence-space</name>
    <message>
        <source>A sequence space too small for the window</source>
        <translation>Un espacio de secuencia demasiado pequeño para la ventana</translation>
    </message>
    <message>
        <source>The highest sequence number is 3, so there are only four sequence numbers, but the windows are six packets. Packets 0 and 4 both carry sequence number 0, packets 1 and 5 both carry 1. Packet 1 is lost at tick 15; the ACKs that come back cannot say which packet they mean. Packet 1 times out at tick 174 and is resent, and at tick 320 the sender resends packet 3, which the receiver already had: it has read an ACK for the wrong packet. The sequence space must be at least twice the window to avoid this.</source>
        <translation>El número de secuencia más alto es 3, así que solo hay cuatro números de secuencia, pero las ventanas son de seis paquetes. Los paquetes 0 y 4 llevan ambos el número de secuencia 0, los paquetes 1 y 5 ambos el 1. El paquete 1 se pierde en el tic 15; los ACK que vuelven no pueden decir a qué paquete se refieren. El paquete 1 expira en el tic 174 y se reenvía, y en el tic 320 el emisor reenvía el paquete 3, que el receptor ya tenía: ha atribuido un ACK al paquete equivocado. El espacio de secuencia debe ser al menos el doble de la ventana para evitarlo.</translation>
    </message>
    <message>
        <source>Packet 1 was lost and its timer is about to run out. Which packets will be sent again?</source>
        <translation>El paquete 1 se perdió y su temporizador está a punto de expirar. ¿Qué paquetes se reenviarán?</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>paquete 1</translation>
    </message>
    <message>
        <source>packet 5</source>
        <translation>paquete 5</translation>
    </message>
    <message>
        <source>packets 1 to 6</source>
        <translation>paquetes 1 a 6</translation>
    </message>
    <message>
        <source>The timer belongs to packet 1, so packet 1 is resent. But packet 5 carries the same sequence number, 1: with only four numbers for a window of six, the ACKs cannot tell them apart.</source>
        <translation>El temporizador es del paquete 1, así que se reenvía el paquete 1. Pero el paquete 5 lleva el mismo número de secuencia, 1: con solo cuatro números para una ventana de seis, los ACK no pueden distinguirlos.</translation>
    </message>
</context>
<context>
    <name>lesson tahoe-vs-reno</name>
    <message>
        <source>Tahoe against Reno: one loss, two answers to three duplicate ACKs</source>
        <translation>Tahoe frente a Reno: una pérdida, dos respuestas a tres ACK duplicados</translation>
    </message>
    <message>
        <source>Tahoe-like and Reno-like TCP side by side from one clock, with the same settings but for Tahoe&apos;s rule, and the same planned loss (p10): packet 10 is lost at tick 374 in both, while the window is 8 and still growing. The packets behind it keep arriving, each bringing back a duplicate ACK asking for packet 10, and the third one arrives at tick 516 in both (fast-retransmit marker), with the window at 12 and 11 packets in flight. Both resend packet 10 at once and set SSThresh to half the flight size, 5.5. Here they part.

Tahoe starts again from a window of 1, in slow start, and further duplicates change nothing. The ACK for the resend reaches it at tick 662 and asks for packet 21: the receiver had kept every packet behind the lost one, so the go-back-N sender has nothing more to send again. Its window climbs from there: 2 at tick 662, 4 at tick 819, 6 at tick 965.

Reno halves the window and adds three for the packets that left the network (9 at tick 516), inflates it by one for each further duplicate (16 at tick 651) and keeps sending; the first new ACK ends fast recovery at tick 673 with the window back at the threshold, kept as 5 whole packets. Both run with the timeout of 12 that Fast Retransmit sets, and neither times out: the difference is the fast retransmit alone.

At tick 1500 (goodput: packets delivered in order per 100 ticks): Tahoe-like TCP: 54 delivered, 1 retransmission, goodput 3.6. Reno-like TCP: 71 delivered, 1 retransmission, goodput 4.7.</source>
        <translation>TCP tipo Tahoe y tipo Reno en paralelo con un mismo reloj, con los mismos ajustes salvo la regla de Tahoe, y la misma pérdida planificada (p10): el paquete 10 se pierde en el tic 374 en ambos, cuando la ventana es 8 y aún crece. Los paquetes que lo siguen siguen llegando y devuelven cada uno un ACK duplicado que pide el paquete 10, y el tercero llega en el tic 516 en ambos (marcador de retransmisión rápida), con la ventana en 12 y 11 paquetes en vuelo. Ambos reenvían el paquete 10 de inmediato y fijan SSThresh en la mitad de los paquetes en vuelo, 5.5. Aquí se separan.

Tahoe vuelve a empezar con una ventana de 1, en arranque lento, y los duplicados siguientes no cambian nada. El ACK del reenvío le llega en el tic 662 y pide el paquete 21: el receptor había guardado todos los paquetes posteriores al perdido, así que el emisor go-back-N no tiene nada más que reenviar. Su ventana sube desde ahí: 2 en el tic 662, 4 en el tic 819, 6 en el tic 965.

Reno reduce la ventana a la mitad y suma tres por los paquetes que salieron de la red (9 en el tic 516), la infla en uno por cada duplicado siguiente (16 en el tic 651) y sigue enviando; el primer ACK nuevo termina la recuperación rápida en el tic 673 con la ventana de vuelta en el umbral, redondeada a 5 paquetes enteros. Ambos funcionan con el temporizador de 12 que fija la retransmisión rápida, y en ninguno expira: la diferencia es solo la retransmisión rápida.

En el tic 1500 (goodput: paquetes entregados en orden por 100 tics): TCP tipo Tahoe: 54 entregados, 1 retransmisión, goodput 3.6. TCP tipo Reno: 71 entregados, 1 retransmisión, goodput 4.7.</translation>
    </message>
    <message>
        <source>Tahoe-like TCP</source>
        <translation>TCP tipo Tahoe</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet 10 is on its way to the Tahoe-like sender, whose window is 12. What will its Tx Window Size be?</source>
        <translation>El tercer ACK duplicado que pide el paquete 10 va camino del emisor tipo Tahoe, cuya ventana es 12. ¿Cuánto valdrá su tamaño de ventana de transmisión?</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>Tahoe&apos;s rule resends the missing packet and starts slow start again from a window of one packet. Reno, beside it, halves the window and adds three, 9, and recovers without stopping.</source>
        <translation>La regla de Tahoe reenvía el paquete que falta y vuelve a empezar el arranque lento con una ventana de un paquete. Reno, a su lado, reduce la ventana a la mitad y suma tres, 9, y se recupera sin detenerse.</translation>
    </message>
    <message>
        <source>Reno-like TCP</source>
        <translation>TCP tipo Reno</translation>
    </message>
</context>
<context>
    <name>lessons</name>
    <message>
        <source>There is no lesson called &quot;%1&quot;.</source>
        <translation>No hay ninguna lección llamada «%1».</translation>
    </message>
</context>
<context>
    <name>links</name>
    <message>
        <source>Ignored %1=%2 in the link (%3); kept the start-up setting.</source>
        <translation>Se ignoró %1=%2 en el enlace (%3); se mantiene el ajuste inicial.</translation>
    </message>
    <message>
        <source>Ignored the unknown parameter &quot;%1&quot; in the link.</source>
        <translation>Se ignoró el parámetro desconocido «%1» en el enlace.</translation>
    </message>
    <message>
        <source>Ignored %1=%2 in the link: the lesson brings its own settings.</source>
        <translation>Se ignoró %1=%2 en el enlace: la lección trae sus propios ajustes.</translation>
    </message>
    <message>
        <source>Ignored lesson=%1 in the link. %2 The lessons are %3.</source>
        <translation>Se ignoró lesson=%1 en el enlace. %2 Las lecciones son %3.</translation>
    </message>
    <message>
        <source>the protocols are %1</source>
        <translation>los protocolos son %1</translation>
    </message>
    <message>
        <source>not every option can be set that way</source>
        <translation>no todas las opciones pueden fijarse así</translation>
    </message>
    <message>
        <source>options are slowstart, avoidance, fastretransmit, selective, delayedack</source>
        <translation>las opciones son slowstart, avoidance, fastretransmit, selective, delayedack</translation>
    </message>
    <message>
        <source>use 1 or 0</source>
        <translation>use 1 o 0</translation>
    </message>
    <message>
        <source>the box cannot be changed now</source>
        <translation>la casilla no puede cambiarse ahora</translation>
    </message>
    <message>
        <source>use a whole number from %1 to %2</source>
        <translation>use un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>the languages are %1</source>
        <translation>los idiomas son %1</translation>
    </message>
    <message>
        <source>use 0.25, 0.5, 1, 2 or 4</source>
        <translation>use 0.25, 0.5, 1, 2 o 4</translation>
    </message>
    <message>
        <source>And %1 more parameter of the link ignored.</source>
        <translation>Y se ignoró %1 parámetro más del enlace.</translation>
    </message>
    <message>
        <source>And %1 more parameters of the link ignored.</source>
        <translation>Y se ignoraron %1 parámetros más del enlace.</translation>
    </message>
    <message>
        <source>This run makes a link of %1 characters, too long for a browser&apos;s address bar (%2 at most): save it as a run file and share the file instead.</source>
        <translation>Esta ejecución da un enlace de %1 caracteres, demasiado largo para la barra de direcciones de un navegador (%2 como máximo): guárdela como archivo de ejecución y comparta el archivo.</translation>
    </message>
    <message>
        <source>The link to this run has %1 characters, more than a QR code holds (%2): share the link itself or the run file instead.</source>
        <translation>El enlace a esta ejecución tiene %1 caracteres, más de los que caben en un código QR (%2): comparta el enlace mismo o el archivo de ejecución.</translation>
    </message>
    <message>
        <source>The run in this link cannot be opened. The link is damaged: part of it may have been cut off when it was copied. Copy the whole link again.</source>
        <translation>La ejecución de este enlace no se puede abrir. El enlace está dañado: quizá se cortó una parte al copiarlo. Copie otra vez el enlace completo.</translation>
    </message>
    <message>
        <source>The run in this link cannot be opened. %1</source>
        <translation>La ejecución de este enlace no se puede abrir. %1</translation>
    </message>
    <message>
        <source>the code on the projector gives the whole link</source>
        <translation>el código del proyector da el enlace completo</translation>
    </message>
</context>
<context>
    <name>log</name>
    <message>
        <source>packet %1 dropped: out of order</source>
        <translation>paquete %1 descartado: fuera de orden</translation>
    </message>
    <message>
        <source>%1: the clock is paused; Cont goes on as a live run</source>
        <translation>%1: el reloj está en pausa; Cont continúa como ejecución en vivo</translation>
    </message>
    <message>
        <source>Your own action at tick %1: the recorded run from here on is dropped and this run goes on as a new branch</source>
        <translation>Su propia acción en el tic %1: la ejecución grabada desde aquí se descarta y esta ejecución sigue como una rama nueva</translation>
    </message>
    <message>
        <source>Opened the run file (%1 ticks): it plays as recorded while the clock runs; an action of your own branches it</source>
        <translation>Archivo de ejecución abierto (%1 tics): se reproduce tal como se grabó mientras corre el reloj; una acción suya lo ramifica</translation>
    </message>
    <message>
        <source>Opened &quot;%2&quot; (%1 ticks): it plays as recorded while the clock runs; an action of your own branches it</source>
        <translation>«%2» abierto (%1 tics): se reproduce tal como se grabó mientras corre el reloj; una acción suya lo ramifica</translation>
    </message>
    <message>
        <source>Run %1 dropped from the record to stay within the memory budget (%2)</source>
        <translation>Ejecución %1 retirada de la grabación para no superar el presupuesto de memoria (%2)</translation>
    </message>
    <message>
        <source>Ticks %1 to %2 of this run dropped to stay within the memory budget (%3): rewinds now reach back to tick %4</source>
        <translation>Tics %1 a %2 de esta ejecución descartados para no superar el presupuesto de memoria (%3): ahora se puede rebobinar hasta el tic %4</translation>
    </message>
    <message>
        <source>packet %1 lost</source>
        <translation>paquete %1 perdido</translation>
    </message>
    <message>
        <source>ACK asking for sequence number %1 lost</source>
        <translation>ACK que pide el número de secuencia %1 perdido</translation>
    </message>
    <message>
        <source>packet %1 held</source>
        <translation>paquete %1 retenido</translation>
    </message>
    <message>
        <source>ACK asking for sequence number %1 held</source>
        <translation>ACK que pide el número de secuencia %1 retenido</translation>
    </message>
    <message>
        <source>packet %1 released</source>
        <translation>paquete %1 liberado</translation>
    </message>
    <message>
        <source>ACK asking for sequence number %1 released</source>
        <translation>ACK que pide el número de secuencia %1 liberado</translation>
    </message>
    <message>
        <source>timeout set to %1</source>
        <translation>temporizador fijado en %1</translation>
    </message>
    <message>
        <source>transmit window set to %1</source>
        <translation>ventana de transmisión fijada en %1</translation>
    </message>
    <message>
        <source>receive window set to %1</source>
        <translation>ventana de recepción fijada en %1</translation>
    </message>
    <message>
        <source>highest sequence number set to %1</source>
        <translation>número de secuencia más alto fijado en %1</translation>
    </message>
    <message>
        <source>%1 pressed</source>
        <translation>%1 pulsado</translation>
    </message>
    <message>
        <source>%1 on</source>
        <translation>%1 activado</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1 desactivado</translation>
    </message>
</context>
<context>
    <name>losses</name>
    <message>
        <source>A plan holds at most %1 losses.</source>
        <translation>Un plan contiene como máximo %1 pérdidas.</translation>
    </message>
    <message>
        <source>The planned loss &quot;%1&quot; is not p or a with a packet number, such as p5, p7.2 or a9.</source>
        <translation>La pérdida planificada «%1» no es p o a con un número de paquete, como p5, p7.2 o a9.</translation>
    </message>
    <message>
        <source>packet %1</source>
        <translation>paquete %1</translation>
    </message>
    <message>
        <source>the ACK for packet %1</source>
        <translation>el ACK del paquete %1</translation>
    </message>
    <message>
        <source>packet %1 (transmission %2)</source>
        <translation>paquete %1 (transmisión %2)</translation>
    </message>
    <message>
        <source>the ACK for packet %1 (transmission %2)</source>
        <translation>el ACK del paquete %1 (transmisión %2)</translation>
    </message>
    <message>
        <source>No losses</source>
        <translation>Sin pérdidas</translation>
    </message>
    <message>
        <source>%1 % of packets, %2 % of ACKs</source>
        <translation>%1 % de los paquetes, %2 % de los ACK</translation>
    </message>
    <message>
        <source>%1 % of packets</source>
        <translation>%1 % de los paquetes</translation>
    </message>
    <message>
        <source>%1 % of ACKs</source>
        <translation>%1 % de los ACK</translation>
    </message>
    <message>
        <source>Losses: %1 planned</source>
        <translation>Pérdidas: %1 planificadas</translation>
    </message>
    <message>
        <source>Losses: %1 (seed %2)</source>
        <translation>Pérdidas: %1 (semilla %2)</translation>
    </message>
    <message>
        <source>Losses: %1 (seed %2), %3 planned</source>
        <translation>Pérdidas: %1 (semilla %2), %3 planificadas</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 y %2 más</translation>
    </message>
    <message>
        <source>Lost by click: %1</source>
        <translation>Perdido con un clic: %1</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>Quill&apos;s Sliding Window Demo</source>
        <translation>Demo de ventana deslizante de Quill</translation>
    </message>
    <message>
        <source>Quill&apos;s Sliding Window Demo needs JavaScript: please allow scripts for this page.</source>
        <translation>La demo de ventana deslizante de Quill necesita JavaScript: permita los scripts en esta página.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The window&apos;s controls at finger size</source>
        <translation>Los controles de la ventana a tamaño de dedo</translation>
    </message>
    <message>
        <source>Run controls, chart and log</source>
        <translation>Controles de ejecución, gráfica y registro</translation>
    </message>
    <message>
        <source>Step back one tick (Ctrl+Left)</source>
        <translation>Retroceder un tic (Ctrl+Izquierda)</translation>
    </message>
    <message>
        <source>◀ Step Back</source>
        <translation>◀ Retroceder</translation>
    </message>
    <message>
        <source>Step one tick; pauses a running clock first (Ctrl+Right)</source>
        <translation>Avanzar un tic; primero pausa un reloj en marcha (Ctrl+Derecha)</translation>
    </message>
    <message>
        <source>Step ▶</source>
        <translation>Avanzar ▶</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protocolo</translation>
    </message>
    <message>
        <source>Protocol: custom</source>
        <translation>Protocolo: personalizado</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Colour-blind safe colours</source>
        <translation>Colores para daltónicos</translation>
    </message>
    <message>
        <source>State marks</source>
        <translation>Marcas de estado</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Leyenda</translation>
    </message>
    <message>
        <source>Open a saved run file; you can also drop one on the page</source>
        <translation>Abrir un archivo de ejecución guardado; también puede soltarlo sobre la página</translation>
    </message>
    <message>
        <source>Open run…</source>
        <translation>Abrir ejecución…</translation>
    </message>
    <message>
        <source>Download this run as a run file</source>
        <translation>Descargar esta ejecución como archivo de ejecución</translation>
    </message>
    <message>
        <source>Save run</source>
        <translation>Guardar ejecución</translation>
    </message>
    <message>
        <source>Download this run as a packet capture (.pcap) for Wireshark, seen at the sender</source>
        <translation>Descargar esta ejecución como captura de paquetes (.pcap) para Wireshark, vista desde el emisor</translation>
    </message>
    <message>
        <source>Save capture</source>
        <translation>Guardar captura</translation>
    </message>
    <message>
        <source>Open a built-in lesson</source>
        <translation>Abrir una lección incluida</translation>
    </message>
    <message>
        <source>Lessons…</source>
        <translation>Lecciones…</translation>
    </message>
    <message>
        <source>Packets and ACKs the network loses: at random or planned</source>
        <translation>Paquetes y ACK que pierde la red: al azar o planificados</translation>
    </message>
    <message>
        <source>Network…</source>
        <translation>Red…</translation>
    </message>
    <message>
        <source>Run two or three protocols side by side with the same losses</source>
        <translation>Ejecutar dos o tres protocolos en paralelo con las mismas pérdidas</translation>
    </message>
    <message>
        <source>Compare…</source>
        <translation>Comparar…</translation>
    </message>
    <message>
        <source>Copy a link that opens the page with these settings</source>
        <translation>Copiar un enlace que abre la página con estos ajustes</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Copiar enlace</translation>
    </message>
    <message>
        <source>Link to these settings</source>
        <translation>Enlace a estos ajustes</translation>
    </message>
    <message>
        <source>Transmit window, threshold, flight size and receive window against the tick</source>
        <translation>Ventana de transmisión, umbral, paquetes en vuelo y ventana de recepción según el tic</translation>
    </message>
    <message>
        <source>Rewind to Cursor</source>
        <translation>Volver al cursor</translation>
    </message>
    <message>
        <source>This run&apos;s figures</source>
        <translation>Cifras de esta ejecución</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Emisor</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Receptor</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>Registro de eventos</translation>
    </message>
    <message>
        <source>Time-Sequence Diagram</source>
        <translation>Diagrama de tiempo-secuencia</translation>
    </message>
    <message>
        <source>From tick</source>
        <translation>Desde el tic</translation>
    </message>
    <message>
        <source>to</source>
        <translation>hasta</translation>
    </message>
    <message>
        <source>Download these ticks of the diagram as an SVG drawing</source>
        <translation>Descargar estos tics del diagrama como dibujo SVG</translation>
    </message>
    <message>
        <source>Save diagram (SVG)</source>
        <translation>Guardar diagrama (SVG)</translation>
    </message>
    <message>
        <source>Time-sequence diagram of the run: sender left, receiver right, time downward</source>
        <translation>Diagrama de tiempo-secuencia de la ejecución: emisor a la izquierda, receptor a la derecha, el tiempo hacia abajo</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Comparación</translation>
    </message>
    <message>
        <source>Back to the single window</source>
        <translation>Volver a la ventana única</translation>
    </message>
    <message>
        <source>◀ One window</source>
        <translation>◀ Una ventana</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Step all of them back one tick (Ctrl+Left)</source>
        <translation>Retroceder todas un tic (Ctrl+Izquierda)</translation>
    </message>
    <message>
        <source>Step all of them one tick (Ctrl+Right)</source>
        <translation>Avanzar todas un tic (Ctrl+Derecha)</translation>
    </message>
    <message>
        <source>Download the comparison as one run file</source>
        <translation>Descargar la comparación como un solo archivo de ejecución</translation>
    </message>
    <message>
        <source>Save comparison</source>
        <translation>Guardar comparación</translation>
    </message>
    <message>
        <source>Copy a link that opens the page with this comparison</source>
        <translation>Copiar un enlace que abre la página con esta comparación</translation>
    </message>
    <message>
        <source>Link to this comparison</source>
        <translation>Enlace a esta comparación</translation>
    </message>
    <message>
        <source>Each configuration&apos;s transmit window (thick) and goodput (thin) against the tick</source>
        <translation>Ventana de transmisión (gruesa) y goodput (fina) de cada configuración según el tic</translation>
    </message>
    <message>
        <source>Figures of each configuration</source>
        <translation>Cifras de cada configuración</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>A lost packet or ACK is taken off halfway across, as a double click on it would. The same seed loses the same packets under every protocol.</source>
        <translation>Un paquete o ACK perdido se retira a mitad de camino, como lo haría un doble clic sobre él. La misma semilla pierde los mismos paquetes con cada protocolo.</translation>
    </message>
    <message>
        <source>Packets lost</source>
        <translation>Paquetes perdidos</translation>
    </message>
    <message>
        <source>ACKs lost</source>
        <translation>ACK perdidos</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Semilla</translation>
    </message>
    <message>
        <source>Planned losses</source>
        <translation>Pérdidas planificadas</translation>
    </message>
    <message>
        <source>What is lost</source>
        <translation>Qué se pierde</translation>
    </message>
    <message>
        <source>Packet</source>
        <translation>Paquete</translation>
    </message>
    <message>
        <source>The ACK for packet</source>
        <translation>El ACK del paquete</translation>
    </message>
    <message>
        <source>Packet number</source>
        <translation>Número de paquete</translation>
    </message>
    <message>
        <source>transmission</source>
        <translation>transmisión</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Side by side from one clock, with the losses set under Network.</source>
        <translation>En paralelo con un mismo reloj, con las pérdidas fijadas en Red.</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primera</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segunda</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Tercera</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Tick %1</source>
        <translation>Tic %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>Practice: on</source>
        <translation>Práctica: activada</translation>
    </message>
    <message>
        <source>Score: %1 of %2 right</source>
        <translation>Puntuación: %1 de %2 correctas</translation>
    </message>
    <message>
        <source>Summary copied</source>
        <translation>Resumen copiado</translation>
    </message>
    <message>
        <source>QR code</source>
        <translation>Código QR</translation>
    </message>
    <message>
        <source>Scan to open this run (%1 characters).</source>
        <translation>Escanee para abrir esta ejecución (%1 caracteres).</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Enlace copiado</translation>
    </message>
    <message>
        <source>Copy the link beside</source>
        <translation>Copie el enlace de al lado</translation>
    </message>
    <message>
        <source>Rewind to a tick, or play on to a later one, and pause there (Ctrl+G)</source>
        <translation>Rebobinar hasta un tic, o reproducir hasta uno posterior, y pausar allí (Ctrl+G)</translation>
    </message>
    <message>
        <source>Go to Tick…</source>
        <translation>Ir al tic…</translation>
    </message>
    <message>
        <source>Download a view of this run as a picture for a slide, or its figures as CSV</source>
        <translation>Descargar una vista de esta ejecución como imagen para una diapositiva, o sus cifras en CSV</translation>
    </message>
    <message>
        <source>Download picture…</source>
        <translation>Descargar imagen…</translation>
    </message>
    <message>
        <source>Download the comparison&apos;s windows, diagrams, chart and table as one picture, or its figures as CSV</source>
        <translation>Descargar las ventanas, diagramas, gráfica y tabla de la comparación en una imagen, o sus cifras en CSV</translation>
    </message>
    <message>
        <source>Download picture</source>
        <translation>Descargar imagen</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>The window</source>
        <translation>La ventana</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>La gráfica</translation>
    </message>
    <message>
        <source>The time-sequence diagram</source>
        <translation>El diagrama de tiempo-secuencia</translation>
    </message>
    <message>
        <source>The table of figures</source>
        <translation>La tabla de cifras</translation>
    </message>
    <message>
        <source>Show together</source>
        <translation>Mostrar juntos</translation>
    </message>
    <message>
        <source>The windows</source>
        <translation>Las ventanas</translation>
    </message>
    <message>
        <source>The time-sequence diagrams</source>
        <translation>Los diagramas de tiempo-secuencia</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Imagen PNG</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>Dibujo SVG</translation>
    </message>
    <message>
        <source>The figures as CSV</source>
        <translation>Las cifras en CSV</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Title line</source>
        <translation>Línea de título</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Tick at least one view to put in the picture.</source>
        <translation>Marque al menos una vista para poner en la imagen.</translation>
    </message>
    <message>
        <source>The browser could not draw a picture this large: try a smaller width and height.</source>
        <translation>El navegador no pudo dibujar una imagen tan grande: pruebe con un ancho y un alto menores.</translation>
    </message>
    <message>
        <source>Time-Sequence Diagrams</source>
        <translation>Diagramas de tiempo-secuencia</translation>
    </message>
    <message>
        <source>Time-sequence diagram of %1: sender left, receiver right, time downward</source>
        <translation>Diagrama de tiempo-secuencia de %1: emisor a la izquierda, receptor a la derecha, el tiempo hacia abajo</translation>
    </message>
</context>
<context>
    <name>practice</name>
    <message>
        <source>Question withdrawn: the run changed before the event it was about.</source>
        <translation>Pregunta retirada: la ejecución cambió antes del evento al que se refería.</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right.</source>
        <translation>Práctica de ventana deslizante: %1 de %2 respuestas correctas.</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right, %3 skipped, %4 withdrawn.</source>
        <translation>Práctica de ventana deslizante: %1 de %2 respuestas correctas, %3 saltadas, %4 retiradas.</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right, %3 skipped.</source>
        <translation>Práctica de ventana deslizante: %1 de %2 respuestas correctas, %3 saltadas.</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right, %4 withdrawn.</source>
        <translation>Práctica de ventana deslizante: %1 de %2 respuestas correctas, %4 retiradas.</translation>
    </message>
    <message>
        <source>Withdrawn: the run was changed before the event.</source>
        <translation>Retirada: la ejecución se cambió antes del evento.</translation>
    </message>
    <message>
        <source>Skipped.</source>
        <translation>Saltada.</translation>
    </message>
    <message>
        <source>The run gave: %1.</source>
        <translation>La ejecución dio: %1.</translation>
    </message>
    <message>
        <source>Answer: %1.</source>
        <translation>Respuesta: %1.</translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>Correcto.</translation>
    </message>
    <message>
        <source>Wrong: the run gave %1.</source>
        <translation>Incorrecto: la ejecución dio %1.</translation>
    </message>
    <message>
        <source>packet %1</source>
        <translation>paquete %1</translation>
    </message>
    <message>
        <source>no packet</source>
        <translation>ningún paquete</translation>
    </message>
    <message>
        <source>packets %1 to %2</source>
        <translation>paquetes %1 a %2</translation>
    </message>
    <message>
        <source>packets %1 and %2</source>
        <translation>paquetes %1 y %2</translation>
    </message>
    <message>
        <source>sets SSThresh to half the flight size (%1 packet in flight), never below 2 packets</source>
        <translation>fija SSThresh en la mitad de los paquetes en vuelo (%1 paquete en vuelo), nunca menos de 2 paquetes</translation>
    </message>
    <message>
        <source>sets SSThresh to half the flight size (%1 packets in flight), never below 2 packets</source>
        <translation>fija SSThresh en la mitad de los paquetes en vuelo (%1 paquetes en vuelo), nunca menos de 2 paquetes</translation>
    </message>
    <message>
        <source>sets SSThresh to the transmit window (%1 packet; with Avoidance on it would take half the flight size), never below 2 packets</source>
        <translation>fija SSThresh en la ventana de transmisión (%1 paquete; con la prevención de congestión tomaría la mitad de los paquetes en vuelo), nunca menos de 2 paquetes</translation>
    </message>
    <message>
        <source>sets SSThresh to the transmit window (%1 packets; with Avoidance on it would take half the flight size), never below 2 packets</source>
        <translation>fija SSThresh en la ventana de transmisión (%1 paquetes; con la prevención de congestión tomaría la mitad de los paquetes en vuelo), nunca menos de 2 paquetes</translation>
    </message>
    <message>
        <source>The go-back-N sender then goes back: every later packet not yet acknowledged is queued again, oldest first, one a tick as the window allows, which slow start opens again from one packet; an ACK that covers packets the receiver kept spares them.</source>
        <translation>Entonces el emisor go-back-N retrocede: cada paquete posterior aún no confirmado vuelve a la cola, el más antiguo primero, uno por tic según lo permita la ventana, que el arranque lento vuelve a abrir desde un paquete; un ACK que cubre paquetes que el receptor guardó se los ahorra.</translation>
    </message>
    <message>
        <source>The go-back-N sender then goes back: every later packet not yet acknowledged is queued again, oldest first, one a tick while they fit in the window.</source>
        <translation>Entonces el emisor go-back-N retrocede: cada paquete posterior aún no confirmado vuelve a la cola, el más antiguo primero, uno por tic mientras quepan en la ventana.</translation>
    </message>
    <message>
        <source>No new packet leaves until the round is over.</source>
        <translation>Ningún paquete nuevo sale hasta que termine la ronda.</translation>
    </message>
    <message>
        <source>No new packet leaves until the round is over: here only packet %1 is sent again, since the ACK for it covers the packets behind it, which the receiver kept.</source>
        <translation>Ningún paquete nuevo sale hasta que termine la ronda: aquí solo se reenvía el paquete %1, ya que su ACK cubre los paquetes posteriores, que el receptor guardó.</translation>
    </message>
    <message>
        <source>No new packet leaves until the round is over: here it sends %1 again.</source>
        <translation>Ningún paquete nuevo sale hasta que termine la ronda: aquí reenvía %1.</translation>
    </message>
    <message>
        <source>Retransmission timeout.</source>
        <translation>Expiración del temporizador de retransmisión.</translation>
    </message>
    <message>
        <source>Packet %1&apos;s timer ran out before an ACK covered it, so the sender takes it for lost.</source>
        <translation>El temporizador del paquete %1 expiró antes de que un ACK lo cubriera, así que el emisor lo da por perdido.</translation>
    </message>
    <message>
        <source>keeps the SSThresh that fast retransmit set (never below 2 packets)</source>
        <translation>mantiene el SSThresh que fijó la retransmisión rápida (nunca menos de 2 paquetes)</translation>
    </message>
    <message>
        <source>It %1, enters the TimedOut state, drops the Tx Window to one packet (slow start begins again) and queues %2 again.</source>
        <translation>%1, entra en el estado TimedOut, baja la ventana de transmisión a un paquete (el arranque lento empieza de nuevo) y vuelve a poner en cola %2.</translation>
    </message>
    <message>
        <source>It %1, enters the TimedOut state and queues %2 again.</source>
        <translation>%1, entra en el estado TimedOut y vuelve a poner en cola %2.</translation>
    </message>
    <message>
        <source>With Selective Repeat the other packets keep their timers: only what timed out is resent.</source>
        <translation>Con la repetición selectiva los demás paquetes conservan sus temporizadores: solo se reenvía lo que expiró.</translation>
    </message>
    <message>
        <source>This sender, as the original program&apos;s, does not go back at once: the timers of the later packets stop, and each is sent again only when it has become the oldest unacknowledged packet, a round trip apiece.</source>
        <translation>Este emisor, como el del programa original, no retrocede de inmediato: los temporizadores de los paquetes posteriores se detienen, y cada uno se reenvía solo cuando se ha convertido en el paquete no confirmado más antiguo, un viaje de ida y vuelta por paquete.</translation>
    </message>
    <message>
        <source>A textbook go-back-N sender would resend them all now (the option &quot;Sender resends the whole window on a timeout&quot;).</source>
        <translation>Un emisor go-back-N de libro los reenviaría todos ahora (la opción «Sender resends the whole window on a timeout»).</translation>
    </message>
    <message>
        <source>Fast retransmit under Tahoe&apos;s rule.</source>
        <translation>Retransmisión rápida con la regla de Tahoe.</translation>
    </message>
    <message>
        <source>Fast retransmit.</source>
        <translation>Retransmisión rápida.</translation>
    </message>
    <message>
        <source>Three duplicate ACKs in a row tell the sender that packet %1 is missing while later packets still arrive.</source>
        <translation>Tres ACK duplicados seguidos indican al emisor que falta el paquete %1 mientras siguen llegando paquetes posteriores.</translation>
    </message>
    <message>
        <source>Without waiting for its timer the sender resends packet %1 and sets SSThresh to half the flight size (%2 packet in flight, never below 2).</source>
        <translation>Sin esperar a su temporizador, el emisor reenvía el paquete %1 y fija SSThresh en la mitad de los paquetes en vuelo (%2 paquete en vuelo, nunca menos de 2).</translation>
    </message>
    <message>
        <source>Without waiting for its timer the sender resends packet %1 and sets SSThresh to half the flight size (%2 packets in flight, never below 2).</source>
        <translation>Sin esperar a su temporizador, el emisor reenvía el paquete %1 y fija SSThresh en la mitad de los paquetes en vuelo (%2 paquetes en vuelo, nunca menos de 2).</translation>
    </message>
    <message>
        <source>As TCP Tahoe does, it drops the Tx Window to one packet and starts slow start again: there is no fast recovery, and further duplicate ACKs change nothing.</source>
        <translation>Como TCP Tahoe, baja la ventana de transmisión a un paquete y empieza de nuevo el arranque lento: no hay recuperación rápida, y los ACK duplicados siguientes no cambian nada.</translation>
    </message>
    <message>
        <source>It sets the Tx Window to half the window plus three packets, for the three that left the network (here %1, never above the receiver&apos;s window), and enters FastRetransmit; each further duplicate ACK inflates the window by one packet until a new ACK ends fast recovery.</source>
        <translation>Fija la ventana de transmisión en la mitad de la ventana más tres paquetes, por los tres que salieron de la red (aquí %1, nunca por encima de la ventana del receptor), y entra en FastRetransmit; cada ACK duplicado siguiente infla la ventana en un paquete hasta que un ACK nuevo termina la recuperación rápida.</translation>
    </message>
    <message>
        <source>The textbooks (RFC 5681) start from the new SSThresh plus three, %1 here too: this model halves the window, as the original program does, which differs whenever the window and the flight size do.</source>
        <translation>Los libros (RFC 5681) parten del nuevo SSThresh más tres, también aquí %1: este modelo reduce la ventana a la mitad, como el programa original, lo que difiere siempre que la ventana y los paquetes en vuelo difieren.</translation>
    </message>
    <message>
        <source>The textbooks (RFC 5681) start from the new SSThresh plus three, %1 here: this model halves the window, as the original program does, which differs whenever the window and the flight size do.</source>
        <translation>Los libros (RFC 5681) parten del nuevo SSThresh más tres, aquí %1: este modelo reduce la ventana a la mitad, como el programa original, lo que difiere siempre que la ventana y los paquetes en vuelo difieren.</translation>
    </message>
    <message>
        <source>Fast recovery: every further duplicate ACK means another packet has left the network, so the Tx Window is inflated by one packet.</source>
        <translation>Recuperación rápida: cada ACK duplicado adicional significa que otro paquete salió de la red, así que la ventana de transmisión se infla en un paquete.</translation>
    </message>
    <message>
        <source>A new ACK ends fast recovery: the Tx Window drops back to SSThresh (%1 packets).</source>
        <translation>Un ACK nuevo termina la recuperación rápida: la ventana de transmisión vuelve a SSThresh (%1 paquetes).</translation>
    </message>
    <message>
        <source>After a timeout every new ACK sets the Tx Window to the loss window of one packet, until the resent packet itself is acknowledged and slow start takes over.</source>
        <translation>Tras una expiración, cada ACK nuevo fija la ventana de transmisión en la ventana de pérdida de un paquete, hasta que el propio paquete reenviado se confirma y el arranque lento toma el relevo.</translation>
    </message>
    <message>
        <source>Congestion avoidance: at or above SSThresh each new ACK adds one packet divided by the window in packets, which in the textbooks grows the window by about one packet per round trip.</source>
        <translation>Prevención de congestión: en SSThresh o por encima, cada ACK nuevo añade un paquete dividido por la ventana en paquetes, lo que en los libros hace crecer la ventana alrededor de un paquete por viaje de ida y vuelta.</translation>
    </message>
    <message>
        <source>This model, as the original program does, snaps the window to whole packets as soon as it rounds to the next one, which adds the rest of that packet at once: the window grows faster than one packet per round trip.</source>
        <translation>Este modelo, como el programa original, redondea la ventana a paquetes enteros en cuanto se redondea al siguiente, lo que añade de golpe el resto de ese paquete: la ventana crece más rápido que un paquete por viaje de ida y vuelta.</translation>
    </message>
    <message>
        <source>Slow start: each new ACK grows the Tx Window by one packet, however many packets it acknowledges, so the window doubles every round trip until it reaches SSThresh.</source>
        <translation>Arranque lento: cada ACK nuevo aumenta la ventana de transmisión en un paquete, confirme los paquetes que confirme, así que la ventana se duplica en cada viaje de ida y vuelta hasta alcanzar SSThresh.</translation>
    </message>
    <message>
        <source>Slow start: each new ACK grows the Tx Window by one packet, however many packets it acknowledges, so the window doubles every round trip.</source>
        <translation>Arranque lento: cada ACK nuevo aumenta la ventana de transmisión en un paquete, confirme los paquetes que confirme, así que la ventana se duplica en cada viaje de ida y vuelta.</translation>
    </message>
    <message>
        <source>Selective repeat without slow start: each duplicate ACK opens the Tx Window by one packet while the holes are resent.</source>
        <translation>Repetición selectiva sin arranque lento: cada ACK duplicado abre la ventana de transmisión en un paquete mientras se reenvían los huecos.</translation>
    </message>
    <message>
        <source>Selective repeat without slow start: the first new ACK after the duplicates restores the smallest window seen while they arrived.</source>
        <translation>Repetición selectiva sin arranque lento: el primer ACK nuevo tras los duplicados restablece la ventana más pequeña vista mientras llegaban.</translation>
    </message>
    <message>
        <source>The Tx Window never grows beyond the receiver&apos;s window (Rx Window Size).</source>
        <translation>La ventana de transmisión nunca crece más allá de la ventana del receptor (tamaño de la ventana de recepción).</translation>
    </message>
    <message>
        <source>the cell of packet %1</source>
        <translation>la celda del paquete %1</translation>
    </message>
    <message>
        <source>none: it is dropped</source>
        <translation>ninguna: se descarta</translation>
    </message>
    <message>
        <source>Packet %1 (sequence number %2) reaches the receiver in %3 tick.</source>
        <translation>El paquete %1 (número de secuencia %2) llega al receptor en %3 tic.</translation>
    </message>
    <message>
        <source>Packet %1 (sequence number %2) reaches the receiver in %3 ticks.</source>
        <translation>El paquete %1 (número de secuencia %2) llega al receptor en %3 tics.</translation>
    </message>
    <message>
        <source>An ACK asking for packet %1 reaches the sender in %2 tick.</source>
        <translation>Un ACK que pide el paquete %1 llega al emisor en %2 tic.</translation>
    </message>
    <message>
        <source>An ACK asking for packet %1 reaches the sender in %2 ticks.</source>
        <translation>Un ACK que pide el paquete %1 llega al emisor en %2 tics.</translation>
    </message>
    <message>
        <source>Which packet will the receiver ask for next?</source>
        <translation>¿Qué paquete pedirá a continuación el receptor?</translation>
    </message>
    <message>
        <source>What will the Tx Window Size be?</source>
        <translation>¿Cuánto valdrá el tamaño de la ventana de transmisión?</translation>
    </message>
    <message>
        <source>Packet %1&apos;s timer runs out in %2 tick.</source>
        <translation>El temporizador del paquete %1 expira en %2 tic.</translation>
    </message>
    <message>
        <source>Packet %1&apos;s timer runs out in %2 ticks.</source>
        <translation>El temporizador del paquete %1 expira en %2 tics.</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet %1 reaches the sender in %2 tick.</source>
        <translation>El tercer ACK duplicado que pide el paquete %1 llega al emisor en %2 tic.</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet %1 reaches the sender in %2 ticks.</source>
        <translation>El tercer ACK duplicado que pide el paquete %1 llega al emisor en %2 tics.</translation>
    </message>
    <message>
        <source>What will SSThresh be?</source>
        <translation>¿Cuánto valdrá SSThresh?</translation>
    </message>
    <message>
        <source>Which packets will the sender send again before it sends a new one?</source>
        <translation>¿Qué paquetes reenviará el emisor antes de enviar uno nuevo?</translation>
    </message>
    <message>
        <source>Which packets will the sender queue to send again right then?</source>
        <translation>¿Qué paquetes pondrá el emisor en cola para reenviar en ese momento?</translation>
    </message>
    <message>
        <source>In-order receiver.</source>
        <translation>Receptor en orden.</translation>
    </message>
    <message>
        <source>This receiver keeps only the packet it expects next, packet %1 (sequence number %2).</source>
        <translation>Este receptor solo guarda el paquete que espera a continuación, el paquete %1 (número de secuencia %2).</translation>
    </message>
    <message>
        <source>Packet %1 is dropped, and the receiver answers at once with an ACK asking again for packet %2: an ACK always names the next packet awaited, never the one that arrived.</source>
        <translation>El paquete %1 se descarta, y el receptor responde de inmediato con un ACK que vuelve a pedir el paquete %2: un ACK siempre nombra el siguiente paquete esperado, nunca el que llegó.</translation>
    </message>
    <message>
        <source>The sender will have to send every later packet again.</source>
        <translation>El emisor tendrá que reenviar todos los paquetes posteriores.</translation>
    </message>
    <message>
        <source>Which cell of the receiver&apos;s strip will take it in?</source>
        <translation>¿Qué celda de la franja del receptor lo aceptará?</translation>
    </message>
    <message>
        <source>Sequence-number aliasing.</source>
        <translation>Solapamiento de números de secuencia.</translation>
    </message>
    <message>
        <source>The receiver knows a packet only by its sequence number, the packet number Mod %1.</source>
        <translation>El receptor conoce un paquete solo por su número de secuencia, el número de paquete Mod %1.</translation>
    </message>
    <message>
        <source>Packet %1 carries sequence number %2, and so does packet %3 inside the receive window, so the receiver takes it in as that packet: the cell turns dark red.</source>
        <translation>El paquete %1 lleva el número de secuencia %2, igual que el paquete %3 dentro de la ventana de recepción, así que el receptor lo acepta como ese paquete: la celda se vuelve rojo oscuro.</translation>
    </message>
    <message>
        <source>The sequence space (Max Sequence No) is too small for the windows; it must hold the sender&apos;s and the receiver&apos;s windows together.</source>
        <translation>El espacio de secuencia (número de secuencia máx.) es demasiado pequeño para las ventanas; debe abarcar juntas la ventana del emisor y la del receptor.</translation>
    </message>
    <message>
        <source>Cumulative acknowledgement.</source>
        <translation>Confirmación acumulativa.</translation>
    </message>
    <message>
        <source>Packet %1 is the packet the receiver was waiting for, and the packets after it had already arrived and been kept.</source>
        <translation>El paquete %1 es el que esperaba el receptor, y los paquetes siguientes ya habían llegado y se habían guardado.</translation>
    </message>
    <message>
        <source>Its arrival completes the run, so the receive window slides past all of them and the ACK asks for packet %1, the first packet still missing, not for packet %2.</source>
        <translation>Su llegada completa la secuencia, así que la ventana de recepción se desliza más allá de todos ellos y el ACK pide el paquete %1, el primer paquete que aún falta, no el paquete %2.</translation>
    </message>
    <message>
        <source>Which packet will the sender&apos;s window start at?</source>
        <translation>¿En qué paquete empezará la ventana del emisor?</translation>
    </message>
    <message>
        <source>An ACK names the next packet the receiver awaits, so it acknowledges every packet before that one.</source>
        <translation>Un ACK nombra el siguiente paquete que espera el receptor, así que confirma todos los paquetes anteriores.</translation>
    </message>
    <message>
        <source>The sender blackens them, stops their timers and slides its window on to the oldest packet still unacknowledged, packet %1.</source>
        <translation>El emisor los pinta de negro, detiene sus temporizadores y desliza su ventana hasta el paquete no confirmado más antiguo, el paquete %1.</translation>
    </message>
</context>
<context>
    <name>protocols</name>
    <message>
        <source>&quot;%1&quot; is not a protocol; the protocols are %2.</source>
        <translation>«%1» no es un protocolo; los protocolos son %2.</translation>
    </message>
    <message>
        <source>A comparison runs two or three protocols, not %1.</source>
        <translation>Una comparación ejecuta dos o tres protocolos, no %1.</translation>
    </message>
    <message>
        <source>Stop-and-wait</source>
        <translation>Stop-and-wait</translation>
    </message>
    <message>
        <source>Go-back-N (textbook)</source>
        <translation>Go-back-N (de libro)</translation>
    </message>
    <message>
        <source>Selective repeat</source>
        <translation>Repetición selectiva</translation>
    </message>
    <message>
        <source>Tahoe-like TCP</source>
        <translation>TCP tipo Tahoe</translation>
    </message>
    <message>
        <source>Reno-like TCP</source>
        <translation>TCP tipo Reno</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>personalizado</translation>
    </message>
    <message>
        <source>Receiver keeps out-of-order packets</source>
        <translation>El receptor guarda los paquetes fuera de orden</translation>
    </message>
    <message>
        <source>Fast retransmit as Tahoe: back to one packet</source>
        <translation>Retransmisión rápida como Tahoe: vuelta a un paquete</translation>
    </message>
    <message>
        <source>Fast retransmit as Reno: fast recovery</source>
        <translation>Retransmisión rápida como Reno: recuperación rápida</translation>
    </message>
</context>
<context>
    <name>run files</name>
    <message>
        <source>text</source>
        <extracomment>What a JSON value is, in &quot;The field &quot;x&quot; should be a list, not %2.&quot;</extracomment>
        <translation>texto</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true o false</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>un número</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>una lista</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>un objeto</translation>
    </message>
    <message>
        <source>null</source>
        <translation>null</translation>
    </message>
    <message>
        <source>The field %1 is missing.</source>
        <translation>Falta el campo %1.</translation>
    </message>
    <message>
        <source>The field %1 should be an object, not %2.</source>
        <translation>El campo %1 debería ser un objeto, no %2.</translation>
    </message>
    <message>
        <source>The field %1 is %2, outside %3 to %4.</source>
        <translation>El campo %1 es %2, fuera de %3 a %4.</translation>
    </message>
    <message>
        <source>The field %1 should be a whole number written without a decimal point or an exponent, not %2.</source>
        <translation>El campo %1 debería ser un número entero escrito sin punto decimal ni exponente, no %2.</translation>
    </message>
    <message>
        <source>The field %1 should be a whole number, not %2.</source>
        <translation>El campo %1 debería ser un número entero, no %2.</translation>
    </message>
    <message>
        <source>The field %1 should be text, not %2.</source>
        <translation>El campo %1 debería ser texto, no %2.</translation>
    </message>
    <message>
        <source>The field %1 should be true or false, not %2.</source>
        <translation>El campo %1 debería ser true o false, no %2.</translation>
    </message>
    <message>
        <source>The field %1 names no %2 this program knows: %3.</source>
        <translation>El campo %1 no nombra ningún %2 que este programa conozca: %3.</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>línea %1, columna %2</translation>
    </message>
    <message>
        <source>%1.%2 MB</source>
        <translation>%1,%2 MB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>The file is %1, larger than a run file may be (%2).</source>
        <translation>El archivo ocupa %1, más de lo que puede ocupar un archivo de ejecución (%2).</translation>
    </message>
    <message>
        <source>The run in this link cannot be opened. It is larger than a run file may be (%1).</source>
        <translation>La ejecución de este enlace no se puede abrir. Es más grande de lo que puede ser un archivo de ejecución (%1).</translation>
    </message>
    <message>
        <source>The field %1 should be a figure such as &quot; 4&quot;, not %2.</source>
        <translation>El campo %1 debería ser una cifra como « 4», no %2.</translation>
    </message>
    <message>
        <source>action</source>
        <translation>acción</translation>
    </message>
    <message>
        <source>option</source>
        <translation>opción</translation>
    </message>
    <message>
        <source>slider</source>
        <translation>deslizador</translation>
    </message>
    <message>
        <source>The entry %1 should be an object, not %2.</source>
        <translation>La entrada %1 debería ser un objeto, no %2.</translation>
    </message>
    <message>
        <source>kind of question</source>
        <translation>tipo de pregunta</translation>
    </message>
    <message>
        <source>The field %1 is empty.</source>
        <translation>El campo %1 está vacío.</translation>
    </message>
    <message>
        <source>The field %1 should be a list of two to four texts.</source>
        <translation>El campo %1 debería ser una lista de dos a cuatro textos.</translation>
    </message>
    <message>
        <source>The entry %1 should be text, not %2.</source>
        <translation>La entrada %1 debería ser texto, no %2.</translation>
    </message>
    <message>
        <source>The entry %1 is empty or the same as a choice before it.</source>
        <translation>La entrada %1 está vacía o es igual a una opción anterior.</translation>
    </message>
    <message>
        <source>The field %1 should be a list, not %2.</source>
        <translation>El campo %1 debería ser una lista, no %2.</translation>
    </message>
    <message>
        <source>The field %1 is %2, before the tick of the action before it (%3).</source>
        <translation>El campo %1 es %2, antes del tic de la acción anterior (%3).</translation>
    </message>
    <message>
        <source>The field %1 is %2, after the run&apos;s last tick (%3).</source>
        <translation>El campo %1 es %2, después del último tic de la ejecución (%3).</translation>
    </message>
    <message>
        <source>The field %1 should be a list of at most %2 planned losses.</source>
        <translation>El campo %1 debería ser una lista de como máximo %2 pérdidas planificadas.</translation>
    </message>
    <message>
        <source>The entry %1 should be one planned loss such as &quot;p5&quot;, &quot;p7.2&quot; or &quot;a9&quot;.</source>
        <translation>La entrada %1 debería ser una pérdida planificada como «p5», «p7.2» o «a9».</translation>
    </message>
    <message>
        <source>The file holds JSON but not a run: its top level is %1, not an object.</source>
        <translation>El archivo contiene JSON pero no una ejecución: su nivel superior es %1, no un objeto.</translation>
    </message>
    <message>
        <source>The file is not a run file: its field %1 is not %2.</source>
        <translation>El archivo no es un archivo de ejecución: su campo %1 no es %2.</translation>
    </message>
    <message>
        <source>The file is format version %1, newer than this program reads (%2); a newer version of the program opens it.</source>
        <translation>El archivo tiene la versión de formato %1, más reciente de lo que lee este programa (%2); una versión más reciente del programa lo abre.</translation>
    </message>
    <message>
        <source>The field %1 should be a list of one or two runs.</source>
        <translation>El campo %1 debería ser una lista de una o dos ejecuciones.</translation>
    </message>
    <message>
        <source>The field %1 should be a list of at most %2 questions.</source>
        <translation>El campo %1 debería ser una lista de como máximo %2 preguntas.</translation>
    </message>
    <message>
        <source>The field %1 is before the tick of the question before it.</source>
        <translation>El campo %1 está antes del tic de la pregunta anterior.</translation>
    </message>
    <message>
        <source>The file holds an object with more than %1 fields; a run file&apos;s have a dozen at most.</source>
        <translation>El archivo contiene un objeto con más de %1 campos; los de un archivo de ejecución tienen una docena como mucho.</translation>
    </message>
    <message>
        <source>The file nests its lists and objects more than %1 deep; a run file needs three.</source>
        <translation>El archivo anida sus listas y objetos a más de %1 niveles; un archivo de ejecución necesita tres.</translation>
    </message>
    <message>
        <source>The file holds more values than a run file of %1 MB can.</source>
        <translation>El archivo contiene más valores de los que puede tener un archivo de ejecución de %1 MB.</translation>
    </message>
    <message>
        <source>The file holds a NUL byte at %1: a run file is plain text.</source>
        <translation>El archivo contiene un byte NUL en %1: un archivo de ejecución es texto plano.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text: a malformed byte stands at %1.</source>
        <translation>El archivo no es texto UTF-8: hay un byte mal formado en %1.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file is not valid JSON: something unexpected stands at %1.</source>
        <translation>El archivo no es JSON válido: hay algo inesperado en %1.</translation>
    </message>
    <message>
        <source>The file ends too early, at %1: it is cut short.</source>
        <translation>El archivo termina demasiado pronto, en %1: está cortado.</translation>
    </message>
    <message>
        <source>The file has more after its end, at %1.</source>
        <translation>El archivo tiene más contenido después de su final, en %1.</translation>
    </message>
    <message>
        <source>The file is not valid JSON.</source>
        <translation>El archivo no es JSON válido.</translation>
    </message>
    <message>
        <source>The file holds a value of the wrong kind.</source>
        <translation>El archivo contiene un valor de tipo incorrecto.</translation>
    </message>
    <message>
        <source>Could not open %1: there is no such file.</source>
        <translation>No se pudo abrir %1: no existe ese archivo.</translation>
    </message>
    <message>
        <source>Could not open %1: it is a folder, not a file.</source>
        <translation>No se pudo abrir %1: es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>Could not open %1: %2.</source>
        <translation>No se pudo abrir %1: %2.</translation>
    </message>
    <message>
        <source>Could not open %1: it is not a plain file.</source>
        <translation>No se pudo abrir %1: no es un archivo normal.</translation>
    </message>
    <message>
        <source>Could not open %1: it cannot be read.</source>
        <translation>No se pudo abrir %1: no se puede leer.</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>No se pudo escribir %1: %2.</translation>
    </message>
    <message>
        <source>This run is too long to save: its first %1 ticks were dropped to keep within the memory budget.</source>
        <translation>Esta ejecución es demasiado larga para guardarla: sus primeros %1 tics se descartaron para no superar el presupuesto de memoria.</translation>
    </message>
</context>
<context>
    <name>simulation</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Cont</source>
        <translation>Cont</translation>
    </message>
    <message>
        <source>Slow Start</source>
        <translation>Arranque lento</translation>
    </message>
    <message>
        <source>Avoidance</source>
        <translation>Prevención de congestión</translation>
    </message>
    <message>
        <source>Fast Retransmit</source>
        <translation>Retransmisión rápida</translation>
    </message>
    <message>
        <source>Selective Repeat</source>
        <translation>Repetición selectiva</translation>
    </message>
    <message>
        <source>Delayed ACKs</source>
        <translation>ACK retardados</translation>
    </message>
    <message>
        <source>Auto RTT</source>
        <translation>Auto RTT</translation>
    </message>
    <message>
        <source>Slide Numbers</source>
        <translation>Números deslizantes</translation>
    </message>
    <message>
        <source>Tx Window Size</source>
        <translation>Tamaño de la ventana de transmisión</translation>
    </message>
    <message>
        <source>Current Flight Size</source>
        <translation>Paquetes en vuelo</translation>
    </message>
    <message>
        <source>Duplicate ACKs</source>
        <translation>ACK duplicados</translation>
    </message>
    <message>
        <source>SSThresh</source>
        <translation>SSThresh</translation>
    </message>
    <message>
        <source>Rx Window Size</source>
        <translation>Tamaño de la ventana de recepción</translation>
    </message>
    <message>
        <source>Timeout Timer</source>
        <translation>Temporizador</translation>
    </message>
    <message>
        <source>TimeOut Timer</source>
        <translation>Temporizador</translation>
    </message>
    <message>
        <source>Max Sequence No</source>
        <translation>Número de secuencia máx.</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>SlowStart</source>
        <translation>SlowStart</translation>
    </message>
    <message>
        <source>TimedOut</source>
        <translation>TimedOut</translation>
    </message>
    <message>
        <source>FastRetransmit</source>
        <translation>FastRetransmit</translation>
    </message>
    <message>
        <source>Selective</source>
        <translation>Selective</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Packet X : Sequence Number X</source>
        <translation>Paquete X : número de secuencia X</translation>
    </message>
    <message>
        <source>ACK for X : Sent After Packet X Arrived</source>
        <translation>ACK de X : enviado al llegar el paquete X</translation>
    </message>
    <message>
        <source>Packet %1 : Sequence Number %2</source>
        <translation>Paquete %1 : número de secuencia %2</translation>
    </message>
    <message>
        <source>ACK with Seq Num %1 (packet %2) : Packet %3 Arrived</source>
        <translation>ACK núm. sec. %1 (paquete %2) : llegó el paquete %3</translation>
    </message>
    <message>
        <source>Press &apos;Start&apos; to go...</source>
        <translation>Pulse &apos;Start&apos; para empezar...</translation>
    </message>
    <message>
        <source>Hoping for ACK with sequence number %1</source>
        <translation>Esperando el ACK con número de secuencia %1</translation>
    </message>
    <message>
        <source>Hoping for ACK with sequence number between %1 and %2</source>
        <translation>Esperando un ACK con número de secuencia entre %1 y %2</translation>
    </message>
    <message>
        <source>Waiting for packet %1 with sequence number %2</source>
        <translation>Esperando el paquete %1 con número de secuencia %2</translation>
    </message>
    <message>
        <source>Transmit window now %1 only %2 in flight, so sending packet %3</source>
        <translation>Ventana de transmisión ahora %1, solo %2 en vuelo, así que se envía el paquete %3</translation>
    </message>
    <message>
        <source>Sending ACK for packet %1 (sequence number %2) asking for packet with sequence number %3</source>
        <translation>Enviando ACK del paquete %1 (número de secuencia %2) que pide el paquete con número de secuencia %3</translation>
    </message>
    <message>
        <source> %1 Duplicate ACK for sequence number %2 arrived</source>
        <translation> %1 ACK duplicado(s) para el número de secuencia %2 llegado(s)</translation>
    </message>
    <message>
        <source>Non-Duplicate ACK arrived: leaving fast re-transmit.</source>
        <translation>Llegó un ACK no duplicado: se sale de la retransmisión rápida.</translation>
    </message>
    <message>
        <source>New ACK arrived: increasing window size to %1</source>
        <translation>Llegó un ACK nuevo: la ventana aumenta a %1</translation>
    </message>
    <message>
        <source>Third duplicate ACK arrived.  Entering fast retransmit, and retransmitting packet %1</source>
        <translation>Llegó el tercer ACK duplicado.  Entrando en retransmisión rápida y retransmitiendo el paquete %1</translation>
    </message>
    <message>
        <source>Third duplicate ACK arrived.  Tahoe: retransmitting packet %1 and starting again from a window of one packet</source>
        <translation>Llegó el tercer ACK duplicado.  Tahoe: retransmitiendo el paquete %1 y empezando de nuevo con una ventana de un paquete</translation>
    </message>
    <message>
        <source>Retransmitting packet %1</source>
        <translation>Retransmitiendo el paquete %1</translation>
    </message>
    <message>
        <source>Going back: retransmitting packet %1</source>
        <translation>Retrocediendo: retransmitiendo el paquete %1</translation>
    </message>
    <message>
        <source>Run Out of Packets to Send</source>
        <translation>No quedan paquetes por enviar</translation>
    </message>
</context>
<context>
    <name>status</name>
    <message>
        <source>End of the lesson</source>
        <translation>Fin de la lección</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>Ejecución %1</translation>
    </message>
    <message>
        <source>Tick %1</source>
        <translation>Tic %1</translation>
    </message>
    <message>
        <source>Run %1: %2</source>
        <translation>Ejecución %1: %2</translation>
    </message>
    <message>
        <source>Run %1, options kept at Reset</source>
        <translation>Ejecución %1, opciones mantenidas al hacer Reset</translation>
    </message>
    <message>
        <source>%1: End of the lesson</source>
        <translation>%1: fin de la lección</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>Receiver keeps only in-order packets</source>
        <translation>El receptor solo guarda paquetes en orden</translation>
    </message>
    <message>
        <source>Sender resends the whole window on a timeout</source>
        <translation>El emisor reenvía toda la ventana al expirar el temporizador</translation>
    </message>
    <message>
        <source>Fast retransmit restarts slow start (Tahoe)</source>
        <translation>La retransmisión rápida reinicia el arranque lento (Tahoe)</translation>
    </message>
    <message>
        <source>This run has used every packet number up to %1. Press Reset to start a new run.</source>
        <translation>Esta ejecución ha usado todos los números de paquete hasta %1. Pulse Reset para empezar una ejecución nueva.</translation>
    </message>
</context>
</TS>
