<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>ClassroomPanel</name>
    <message>
        <source>Classroom Session</source>
        <translation>Sessão de aula</translation>
    </message>
    <message>
        <source>QR code of the address to join the class</source>
        <translation>Código QR do endereço para entrar na turma</translation>
    </message>
    <message>
        <source>&amp;Ask the Room</source>
        <translation>&amp;Perguntar à turma</translation>
    </message>
    <message>
        <source>&amp;Reveal</source>
        <translation>&amp;Revelar</translation>
    </message>
    <message>
        <source>&amp;Vote Again</source>
        <translation>&amp;Votar de novo</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproduzir</translation>
    </message>
    <message>
        <source>&amp;Stop Session</source>
        <translation>&amp;Encerrar sessão</translation>
    </message>
</context>
<context>
    <name>ClassroomServer</name>
    <message>
        <source>The classroom session could not listen on port %1: %2</source>
        <translation>A sessão de aula não pôde escutar na porta %1: %2</translation>
    </message>
</context>
<context>
    <name>ClassroomSession</name>
    <message>
        <source>The class answers could not be written to %1: %2</source>
        <translation>Não foi possível gravar as respostas da turma em %1: %2</translation>
    </message>
    <message>
        <source>Part of the program could not be loaded: %1</source>
        <translation>Não foi possível carregar uma parte do programa: %1</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 não foi encontrado</translation>
    </message>
</context>
<context>
    <name>CompareChart</name>
    <message>
        <source>Click a tick to take every configuration back to it</source>
        <translation>Clique em um tique para levar todas as configurações de volta a ele</translation>
    </message>
    <message>
        <source>Transmit window (packets)</source>
        <translation>Janela de transmissão (pacotes)</translation>
    </message>
    <message>
        <source>Goodput (packets per 100 ticks, over the last 200)</source>
        <translation>Goodput (pacotes por 100 tiques, nos últimos 200)</translation>
    </message>
    <message>
        <source>tick (50 ms at 1×)</source>
        <translation>tique (50 ms a 1×)</translation>
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
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Configuration &amp;%1:</source>
        <translation>Configuração &amp;%1:</translation>
    </message>
    <message>
        <source> (Network → Losses… changes them, here or in the comparison)</source>
        <translation> (Rede → Perdas… as altera, aqui ou na comparação)</translation>
    </message>
    <message>
        <source>Run these side by side from one clock, with the same losses:</source>
        <translation>Executar lado a lado com um mesmo relógio e as mesmas perdas:</translation>
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
        <translation>Comparação: %1</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Executar</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>A&amp;vançar</translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>Speed of the shared clock</source>
        <translation>Velocidade do relógio comum</translation>
    </message>
    <message>
        <source>&amp;Losses…</source>
        <translation>&amp;Perdas…</translation>
    </message>
    <message>
        <source>&amp;Diagram…</source>
        <translation>&amp;Diagrama…</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Salvar…</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Menor</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Maior</translation>
    </message>
    <message>
        <source>Each configuration loses the same packets and ACKs. A click on the chart takes all of them back to that tick; a packet or ACK you lose in one window is lost in the others too.</source>
        <translation>Cada configuração perde os mesmos pacotes e ACKs. Um clique no gráfico leva todas de volta àquele tique; um pacote ou ACK que você perde em uma janela também é perdido nas outras.</translation>
    </message>
    <message>
        <source>E&amp;xport Picture…</source>
        <translation>E&amp;xportar imagem…</translation>
    </message>
    <message>
        <source>&amp;Handout…</source>
        <translation>&amp;Apostila…</translation>
    </message>
</context>
<context>
    <name>EventLogModel</name>
    <message>
        <source>sender</source>
        <translation>emissor</translation>
    </message>
    <message>
        <source>receiver</source>
        <translation>receptor</translation>
    </message>
    <message>
        <source>user</source>
        <translation>usuário</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Tique</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Lado</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>O que aconteceu</translation>
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
        <translation>Diagrama de tempo-sequência</translation>
    </message>
    <message>
        <source>Time-sequence diagram of the run</source>
        <translation>Diagrama de tempo-sequência da execução</translation>
    </message>
    <message>
        <source>Export Picture…</source>
        <translation>Exportar imagem…</translation>
    </message>
</context>
<context>
    <name>LegendDialog</name>
    <message>
        <source>Legend</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>LessonsDialog</name>
    <message>
        <source>Lessons</source>
        <translation>Lições</translation>
    </message>
</context>
<context>
    <name>LossesDialog</name>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Perdas</translation>
    </message>
    <message>
        <source>At random</source>
        <translation>Aleatórias</translation>
    </message>
    <message>
        <source>&amp;Packets lost:</source>
        <translation>&amp;Pacotes perdidos:</translation>
    </message>
    <message>
        <source>&amp;ACKs lost:</source>
        <translation>&amp;ACKs perdidos:</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>&amp;Semente:</translation>
    </message>
    <message>
        <source>Packet</source>
        <translation>Pacote</translation>
    </message>
    <message>
        <source>ACK for packet</source>
        <translation>ACK do pacote</translation>
    </message>
    <message>
        <source>The packet&apos;s number; for an ACK, the packet whose arrival sends it</source>
        <translation>O número do pacote; para um ACK, o pacote cuja chegada o envia</translation>
    </message>
    <message>
        <source>transmission </source>
        <translation>transmissão </translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>A&amp;dicionar</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Planejadas</translation>
    </message>
    <message>
        <source>Each loss is a double click on the packet or ACK as it crosses the middle of the network, recorded like yours. The same seed loses the same packets in every run and every protocol.</source>
        <translation>Cada perda é um clique duplo no pacote ou ACK quando ele atravessa o meio da rede, registrado como os seus. A mesma semente perde os mesmos pacotes em toda execução e em todo protocolo.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>&amp;Time-Sequence Diagram</source>
        <translation>Diagrama de &amp;tempo-sequência</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Lessons...</source>
        <translation>&amp;Lições...</translation>
    </message>
    <message>
        <source>&amp;Keys and Mouse</source>
        <translation>&amp;Teclado e mouse</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Sair da tela cheia</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Shift+Tab</translation>
    </message>
    <message>
        <source>Move among the panel&apos;s controls, then into the flight area</source>
        <translation>Percorrer os controles do painel e depois entrar na área de trânsito</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>Press the focused button or tick the focused box</source>
        <translation>Pressionar o botão em foco ou marcar a caixa em foco</translation>
    </message>
    <message>
        <source>Arrow keys on a slider</source>
        <translation>Setas em um controle deslizante</translation>
    </message>
    <message>
        <source>Up for more on the window and sequence sliders; Right for a longer timeout</source>
        <translation>Para cima para mais nos controles de janela e de sequência; para a direita para um temporizador mais longo</translation>
    </message>
    <message>
        <source>Arrow keys in the flight area</source>
        <translation>Setas na área de trânsito</translation>
    </message>
    <message>
        <source>Pick a travelling packet or ACK (it is outlined)</source>
        <translation>Escolher um pacote ou ACK a caminho (ele fica contornado)</translation>
    </message>
    <message>
        <source>Space in the flight area</source>
        <translation>Espaço na área de trânsito</translation>
    </message>
    <message>
        <source>Hold the picked one, or let it go on</source>
        <translation>Reter o escolhido ou deixá-lo seguir</translation>
    </message>
    <message>
        <source>Delete in the flight area</source>
        <translation>Delete na área de trânsito</translation>
    </message>
    <message>
        <source>Lose the picked one</source>
        <translation>Perder o escolhido</translation>
    </message>
    <message>
        <source>Keys and Mouse</source>
        <translation>Teclado e mouse</translation>
    </message>
    <message>
        <source>On the chart: the wheel zooms, the scroll bar below moves through the run, a click puts the cursor on a tick, a double click (or &lt;i&gt;Rewind to Cursor&lt;/i&gt;) goes back to it. Selecting a line of the log moves the cursor to its tick.</source>
        <translation>No gráfico: a roda dá zoom, a barra de rolagem abaixo percorre a execução, um clique põe o cursor em um tique, um clique duplo (ou &lt;i&gt;Voltar ao cursor&lt;/i&gt;) volta a ele. Selecionar uma linha do registro move o cursor para o seu tique.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Version %2&lt;/p&gt;&lt;p&gt;A sliding-window transport protocol with congestion control, animated on a 50 ms clock: slow start, congestion avoidance, fast retransmit and recovery, selective repeat, delayed ACKs and an adaptive timeout.&lt;/p&gt;&lt;p&gt;The run is recorded as it goes, so it can be stepped back, rewound to any earlier tick on the chart, and exported.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Versão %2&lt;/p&gt;&lt;p&gt;Um protocolo de transporte de janela deslizante com controle de congestionamento, animado em um relógio de 50 ms: partida lenta, prevenção de congestionamento, retransmissão e recuperação rápidas, repetição seletiva, ACKs atrasados e um temporizador adaptativo.&lt;/p&gt;&lt;p&gt;A execução é gravada enquanto acontece, de modo que pode ser recuada passo a passo, rebobinada para qualquer tique anterior no gráfico e exportada.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>The window</source>
        <translation>A janela</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>O gráfico</translation>
    </message>
    <message>
        <source>The time-sequence diagram</source>
        <translation>O diagrama de tempo-sequência</translation>
    </message>
    <message>
        <source>The table of figures</source>
        <translation>A tabela de números</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagem</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Mostrar:</translation>
    </message>
    <message>
        <source>Export Comparison Picture</source>
        <translation>Exportar imagem da comparação</translation>
    </message>
    <message>
        <source>Show together:</source>
        <translation>Mostrar juntos:</translation>
    </message>
    <message>
        <source>Export Handout</source>
        <translation>Exportar apostila</translation>
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
        <translation>Tiques de:</translation>
    </message>
    <message>
        <source>four ticks spread over the range</source>
        <translation>quatro tiques distribuídos no intervalo</translation>
    </message>
    <message>
        <source>Up to four ticks, separated by commas, such as 0, 150, 300, 450</source>
        <translation>Até quatro tiques, separados por vírgulas, por exemplo 0, 150, 300, 450</translation>
    </message>
    <message>
        <source>&amp;Window at ticks:</source>
        <translation>&amp;Janela nos tiques:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamanho:</translation>
    </message>
    <message>
        <source>Title line: the run, its protocol, losses and ticks</source>
        <translation>Linha de título: a execução, seu protocolo, perdas e tiques</translation>
    </message>
    <message>
        <source>Choose at least one view to show.</source>
        <translation>Escolha pelo menos uma vista para mostrar.</translation>
    </message>
    <message>
        <source>Window at ticks: %1.</source>
        <translation>Janela nos tiques: %1.</translation>
    </message>
</context>
<context>
    <name>PracticePanel</name>
    <message>
        <source>Practice</source>
        <translation>Prática</translation>
    </message>
    <message>
        <source>Skip (Esc)</source>
        <translation>Pular (Esc)</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Pontuação:</translation>
    </message>
    <message>
        <source>Questions per minute:</source>
        <translation>Perguntas por minuto:</translation>
    </message>
    <message>
        <source>Copy Summary</source>
        <translation>Copiar resumo</translation>
    </message>
    <message>
        <source>Watching the run for the next question…</source>
        <translation>Observando a execução para a próxima pergunta…</translation>
    </message>
    <message>
        <source>Watch the run: the event comes in a few ticks.</source>
        <translation>Observe a execução: o evento chega em poucos tiques.</translation>
    </message>
    <message>
        <source>Skipped: the run gave %1.</source>
        <translation>Pulada: a execução deu %1.</translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>Certo.</translation>
    </message>
    <message>
        <source>Not so: the run gave %1.</source>
        <translation>Não: a execução deu %1.</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>%1 de %2 certas</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Time-Sequence Diagrams, Ticks %1 to %2</source>
        <translation>Diagramas de tempo-sequência, tiques %1 a %2</translation>
    </message>
    <message>
        <source>A receiver cell: a packet&apos;s number. Its colour (and, with state marks on, its mark) says whether the receiver awaits or holds the packet; View &gt; Legend explains them.</source>
        <translation>Uma célula do receptor: o número de um pacote. Sua cor (e, com as marcas de estado, sua marca) diz se o receptor aguarda ou guarda o pacote; Exibir &gt; Legenda as explica.</translation>
    </message>
    <message>
        <source>A packet on its way to the receiver. </source>
        <translation>Um pacote a caminho do receptor. </translation>
    </message>
    <message>
        <source>An ACK on its way back to the sender. </source>
        <translation>Um ACK voltando ao emissor. </translation>
    </message>
    <message>
        <source>sender cell</source>
        <translation>célula do emissor</translation>
    </message>
    <message>
        <source>receiver cell</source>
        <translation>célula do receptor</translation>
    </message>
    <message>
        <source>Timeout Timer</source>
        <translation>Temporizador</translation>
    </message>
    <message>
        <source>Tx Window Size</source>
        <translation>Tamanho da janela de transmissão</translation>
    </message>
    <message>
        <source>Rx Window Size</source>
        <translation>Tamanho da janela de recepção</translation>
    </message>
    <message>
        <source>Max Sequence No</source>
        <translation>Número de sequência máx.</translation>
    </message>
    <message>
        <source>setting %1</source>
        <translation>valor %1</translation>
    </message>
    <message>
        <source>highest sequence number %1</source>
        <translation>maior número de sequência %1</translation>
    </message>
    <message>
        <source>%1 packets</source>
        <translation>%1 pacotes</translation>
    </message>
    <message>
        <source>Timeout bar: runs down while the packet waits for its ACK; when it is empty the packet is sent again.</source>
        <translation>Barra do temporizador: esvazia enquanto o pacote espera seu ACK; quando fica vazia, o pacote é reenviado.</translation>
    </message>
    <message>
        <source>The sender strip. The purple frame is the sender&apos;s window: the packets it may send before an ACK comes back.</source>
        <translation>A faixa do emissor. O quadro roxo é a janela do emissor: os pacotes que ele pode enviar antes que volte um ACK.</translation>
    </message>
    <message>
        <source>The receiver strip. The purple frame is the receiver&apos;s window: the packets it takes in.</source>
        <translation>A faixa do receptor. O quadro roxo é a janela do receptor: os pacotes que ele aceita.</translation>
    </message>
    <message>
        <source>Packets travel down on the left, ACKs up on the right. </source>
        <translation>Os pacotes descem à esquerda, os ACKs sobem à direita. </translation>
    </message>
    <message>
        <source>Page &amp;Address...</source>
        <translation>&amp;Endereço da página...</translation>
    </message>
    <message>
        <source>Page Address</source>
        <translation>Endereço da página</translation>
    </message>
    <message>
        <source>The address where the page is published (https://...):</source>
        <translation>O endereço onde a página está publicada (https://...):</translation>
    </message>
    <message>
        <source>Show Link as &amp;QR Code</source>
        <translation>Mostrar link como código &amp;QR</translation>
    </message>
    <message>
        <source>Show Link as QR Code (set the page&apos;s address first: View &gt; Page Address or --page-url URL)</source>
        <translation>Mostrar link como código QR (defina primeiro o endereço da página: Exibir &gt; Endereço da página ou --page-url URL)</translation>
    </message>
    <message>
        <source>The page address %1 is not used: it must be a web address beginning with https:// or http://, or a file:// address.</source>
        <translation>O endereço de página %1 não é usado: ele deve ser um endereço web que comece com https:// ou http://, ou um endereço file://.</translation>
    </message>
    <message>
        <source>&amp;Chart and Log</source>
        <translation>&amp;Gráfico e registro</translation>
    </message>
    <message>
        <source>&amp;Open Run...</source>
        <translation>&amp;Abrir execução...</translation>
    </message>
    <message>
        <source>&amp;Save Run As...</source>
        <translation>&amp;Salvar execução como...</translation>
    </message>
    <message>
        <source>Export Chart as &amp;PNG...</source>
        <translation>Exportar gráfico como &amp;PNG...</translation>
    </message>
    <message>
        <source>Export Chart as PNG</source>
        <translation>Exportar gráfico como PNG</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imagens PNG (*.png)</translation>
    </message>
    <message>
        <source>Export Chart as S&amp;VG...</source>
        <translation>Exportar gráfico como S&amp;VG...</translation>
    </message>
    <message>
        <source>Export Chart as SVG</source>
        <translation>Exportar gráfico como SVG</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Desenhos SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export Run as &amp;CSV...</source>
        <translation>Exportar execução como &amp;CSV...</translation>
    </message>
    <message>
        <source>Export Run as CSV</source>
        <translation>Exportar execução como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Run as Packet Ca&amp;pture...</source>
        <translation>Exportar execução como ca&amp;ptura de pacotes...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>Não foi possível gravar %1.</translation>
    </message>
    <message>
        <source>Packet capture at the sender (*.pcap)</source>
        <translation>Captura de pacotes no emissor (*.pcap)</translation>
    </message>
    <message>
        <source>Packet capture at the receiver (*.pcap)</source>
        <translation>Captura de pacotes no receptor (*.pcap)</translation>
    </message>
    <message>
        <source>Export Run as Packet Capture</source>
        <translation>Exportar execução como captura de pacotes</translation>
    </message>
    <message>
        <source>Open Run</source>
        <translation>Abrir execução</translation>
    </message>
    <message>
        <source>Runs (*.swrun *.json);;All files (*)</source>
        <translation>Execuções (*.swrun *.json);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Save Run As</source>
        <translation>Salvar execução como</translation>
    </message>
    <message>
        <source>Runs (*.swrun);;Runs, as before (*.json)</source>
        <translation>Execuções (*.swrun);;Execuções, formato antigo (*.json)</translation>
    </message>
    <message>
        <source>%1 cannot be opened. %2</source>
        <translation>%1 não pode ser aberto. %2</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>E&amp;xecução</translation>
    </message>
    <message>
        <source>S&amp;tep One Tick</source>
        <translation>A&amp;vançar um tique</translation>
    </message>
    <message>
        <source>Step &amp;Back One Tick</source>
        <translation>&amp;Voltar um tique</translation>
    </message>
    <message>
        <source>&amp;Compare…</source>
        <translation>&amp;Comparar…</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>&amp;Prática</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>Veloci&amp;dade</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Protocol</source>
        <translation>&amp;Protocolo</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>&amp;Rede</translation>
    </message>
    <message>
        <source>&amp;Losses…</source>
        <translation>&amp;Perdas…</translation>
    </message>
    <message>
        <source>&amp;No Losses</source>
        <translation>&amp;Sem perdas</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Aumentar zoom</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Diminuir zoom</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamanho real</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Tela cheia</translation>
    </message>
    <message>
        <source>Colour-blind safe colours</source>
        <translation>Cores para daltônicos</translation>
    </message>
    <message>
        <source>State marks</source>
        <translation>Marcas de estado</translation>
    </message>
    <message>
        <source>&amp;Legend</source>
        <translation>&amp;Legenda</translation>
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
        <translation>O programa falará %1 a partir da próxima vez que for aberto.</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Idioma do sistema</translation>
    </message>
    <message>
        <source>Classroom &amp;Session…</source>
        <translation>&amp;Sessão de aula…</translation>
    </message>
    <message>
        <source>Export Class &amp;Answers…</source>
        <translation>Exportar &amp;respostas da turma…</translation>
    </message>
    <message>
        <source>Export Class Answers</source>
        <translation>Exportar respostas da turma</translation>
    </message>
    <message>
        <source>Now %1.</source>
        <translation>Agora: %1.</translation>
    </message>
    <message>
        <source>Copy &amp;Link to Run</source>
        <translation>Copiar &amp;link da execução</translation>
    </message>
    <message>
        <source>Export P&amp;icture...</source>
        <translation>Exportar &amp;imagem...</translation>
    </message>
    <message>
        <source>Export &amp;Figures as CSV...</source>
        <translation>Exportar &amp;números como CSV...</translation>
    </message>
    <message>
        <source>Export Figures as CSV</source>
        <translation>Exportar números como CSV</translation>
    </message>
    <message>
        <source>Export &amp;Handout (PDF)...</source>
        <translation>Exportar &amp;apostila (PDF)...</translation>
    </message>
    <message>
        <source>P&amp;rint Handout...</source>
        <translation>Imp&amp;rimir apostila...</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagem</translation>
    </message>
    <message>
        <source>PNG images (*.png);;SVG drawings (*.svg)</source>
        <translation>Imagens PNG (*.png);;Desenhos SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export Comparison Picture</source>
        <translation>Exportar imagem da comparação</translation>
    </message>
    <message>
        <source>Export Handout</source>
        <translation>Exportar apostila</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The handout could not be printed.</source>
        <translation>Não foi possível imprimir a apostila.</translation>
    </message>
    <message>
        <source>&amp;Go to Tick…</source>
        <translation>&amp;Ir para o tique…</translation>
    </message>
    <message>
        <source>Go to Tick</source>
        <translation>Ir para o tique</translation>
    </message>
    <message>
        <source>Tick (now %1; a later tick plays on to it, an earlier one rewinds):</source>
        <translation>Tique (agora %1; um tique posterior é alcançado reproduzindo, um anterior rebobinando):</translation>
    </message>
</context>
<context>
    <name>QrDialog</name>
    <message>
        <source>Link as QR Code</source>
        <translation>Link como código QR</translation>
    </message>
    <message>
        <source>QR code of the link to this run</source>
        <translation>Código QR do link para esta execução</translation>
    </message>
    <message>
        <source>Scan to open this run on a phone (%1 characters).</source>
        <translation>Escaneie para abrir esta execução em um celular (%1 caracteres).</translation>
    </message>
    <message>
        <source>&amp;Copy Link</source>
        <translation>&amp;Copiar link</translation>
    </message>
</context>
<context>
    <name>RunChart</name>
    <message>
        <source>tick (50 ms at 1×)</source>
        <translation>tique (50 ms a 1×)</translation>
    </message>
    <message>
        <source>packets</source>
        <translation>pacotes</translation>
    </message>
    <message>
        <source>Avoidance</source>
        <translation>Prevenção de congestionamento</translation>
    </message>
    <message>
        <source>tick %1</source>
        <translation>tique %1</translation>
    </message>
    <message>
        <source>Put Cursor on Tick %1</source>
        <translation>Pôr o cursor no tique %1</translation>
    </message>
    <message>
        <source>Rewind to Tick %1</source>
        <translation>Voltar ao tique %1</translation>
    </message>
    <message>
        <source>Export Picture…</source>
        <translation>Exportar imagem…</translation>
    </message>
</context>
<context>
    <name>RunPanel</name>
    <message>
        <source>Chart and Log</source>
        <translation>Gráfico e registro</translation>
    </message>
    <message>
        <source>The run the chart, the log and the CSV export show; each Reset begins a new run</source>
        <translation>A execução que o gráfico, o registro e a exportação CSV mostram; cada Reset começa uma nova execução</translation>
    </message>
    <message>
        <source>Run 1 (current)</source>
        <translation>Execução 1 (atual)</translation>
    </message>
    <message>
        <source>Follow Run</source>
        <translation>Acompanhar execução</translation>
    </message>
    <message>
        <source>Keep the latest tick at the right edge</source>
        <translation>Manter o último tique na borda direita</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Aumentar zoom</translation>
    </message>
    <message>
        <source>Fewer ticks across the chart (%1)</source>
        <translation>Menos tiques no gráfico (%1)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Diminuir zoom</translation>
    </message>
    <message>
        <source>More ticks across the chart (%1)</source>
        <translation>Mais tiques no gráfico (%1)</translation>
    </message>
    <message>
        <source>Whole Run</source>
        <translation>Execução inteira</translation>
    </message>
    <message>
        <source>Every tick so far</source>
        <translation>Todos os tiques até agora</translation>
    </message>
    <message>
        <source>Rewind to Cursor</source>
        <translation>Voltar ao cursor</translation>
    </message>
    <message>
        <source>Go back to the tick under the cursor and pause there; what happened after it is dropped (also: double click on the chart)</source>
        <translation>Voltar ao tique sob o cursor e pausar ali; o que aconteceu depois é descartado (também: clique duplo no gráfico)</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>Execução %1</translation>
    </message>
    <message>
        <source> (current)</source>
        <translation> (atual)</translation>
    </message>
    <message>
        <source>  cursor: tick %1 of %2</source>
        <translation>  cursor: tique %1 de %2</translation>
    </message>
    <message>
        <source>  tick %1 (click the chart to put the cursor on a tick)</source>
        <translation>  tique %1 (clique no gráfico para pôr o cursor em um tique)</translation>
    </message>
</context>
<context>
    <name>chart</name>
    <message>
        <source>Tx window</source>
        <translation>Janela de transmissão</translation>
    </message>
    <message>
        <source>SSThresh</source>
        <translation>SSThresh</translation>
    </message>
    <message>
        <source>Flight size</source>
        <translation>Pacotes em voo</translation>
    </message>
    <message>
        <source>Rx window</source>
        <translation>Janela de recepção</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Estouro do temporizador</translation>
    </message>
    <message>
        <source>Fast retransmit</source>
        <translation>Retransmissão rápida</translation>
    </message>
    <message>
        <source>Packet lost</source>
        <translation>Pacote perdido</translation>
    </message>
    <message>
        <source>ACK lost</source>
        <translation>ACK perdido</translation>
    </message>
    <message>
        <source>State change</source>
        <translation>Mudança de estado</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>Descartado</translation>
    </message>
    <message>
        <source>Avoidance</source>
        <translation>Prevenção de congestionamento</translation>
    </message>
</context>
<context>
    <name>diagram</name>
    <message>
        <source>%1 (seq %2)</source>
        <translation>%1 (seq %2)</translation>
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
        <translation>estouro</translation>
    </message>
    <message>
        <source>fast retransmit</source>
        <translation>retransmissão rápida</translation>
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
        <translation>Entregues em ordem</translation>
    </message>
    <message>
        <source>Retransmissions</source>
        <translation>Retransmissões</translation>
    </message>
    <message>
        <source>Timeouts</source>
        <translation>Estouros do temporizador</translation>
    </message>
    <message>
        <source>Drops by the receiver</source>
        <translation>Descartes do receptor</translation>
    </message>
    <message>
        <source>Goodput (per 100 ticks)</source>
        <translation>Goodput (por 100 tiques)</translation>
    </message>
    <message>
        <source>Goodput, last 200 ticks</source>
        <translation>Goodput, últimos 200 tiques</translation>
    </message>
</context>
<context>
    <name>legend</name>
    <message>
        <source>not sent yet</source>
        <translation>ainda não enviado</translation>
    </message>
    <message>
        <source>queued</source>
        <translation>na fila</translation>
    </message>
    <message>
        <source>queued, waiting for its first trip</source>
        <translation>na fila, esperando seu primeiro envio</translation>
    </message>
    <message>
        <source>queued again to be resent</source>
        <translation>de novo na fila para ser reenviado</translation>
    </message>
    <message>
        <source>queued again, waiting to be resent</source>
        <translation>de novo na fila, esperando o reenvio</translation>
    </message>
    <message>
        <source>in flight</source>
        <translation>em voo</translation>
    </message>
    <message>
        <source>in flight (sent once)</source>
        <translation>em voo (enviado uma vez)</translation>
    </message>
    <message>
        <source>in flight, retransmitted</source>
        <translation>em voo, retransmitido</translation>
    </message>
    <message>
        <source>sent again, in flight once more</source>
        <translation>reenviado, em voo outra vez</translation>
    </message>
    <message>
        <source>marked for a selective resend</source>
        <translation>marcado para um reenvio seletivo</translation>
    </message>
    <message>
        <source>marked to be resent at the next tick (selective repeat)</source>
        <translation>marcado para ser reenviado no próximo tique (repetição seletiva)</translation>
    </message>
    <message>
        <source>acknowledged</source>
        <translation>confirmado</translation>
    </message>
    <message>
        <source>acknowledged: done</source>
        <translation>confirmado: concluído</translation>
    </message>
    <message>
        <source>outside the receive window</source>
        <translation>fora da janela de recepção</translation>
    </message>
    <message>
        <source>awaited</source>
        <translation>aguardado</translation>
    </message>
    <message>
        <source>inside the window, not here yet</source>
        <translation>dentro da janela, ainda não chegou</translation>
    </message>
    <message>
        <source>received</source>
        <translation>recebido</translation>
    </message>
    <message>
        <source>received under another packet&apos;s number</source>
        <translation>recebido com o número de outro pacote</translation>
    </message>
    <message>
        <source>taken in under another packet&apos;s number (too few sequence numbers)</source>
        <translation>aceito com o número de outro pacote (números de sequência de menos)</translation>
    </message>
    <message>
        <source>✕ lost here</source>
        <translation>✕ perdido aqui</translation>
    </message>
    <message>
        <source>A click on a travelling packet or ACK holds it and a click on a held one lets it go on, but until the clock has run seven ticks after such a click (350 ms at 1×, 91 ms at 4×; a paused clock runs none), any further click on a packet or ACK loses the one clicked.</source>
        <translation>Um clique em um pacote ou ACK a caminho o retém e um clique em um retido o deixa seguir, mas até o relógio andar sete tiques depois de um clique assim (350 ms a 1×, 91 ms a 4×; um relógio pausado não anda), qualquer outro clique em um pacote ou ACK perde o clicado.</translation>
    </message>
    <message>
        <source>Flight area</source>
        <translation>Área de trânsito</translation>
    </message>
    <message>
        <source>The arrow keys pick a travelling packet or ACK, Space holds or releases it, Delete loses it.</source>
        <translation>As setas escolhem um pacote ou ACK a caminho, Espaço o retém ou solta, Delete o perde.</translation>
    </message>
    <message>
        <source>Sender cells: what has happened to each packet</source>
        <translation>Células do emissor: o que aconteceu com cada pacote</translation>
    </message>
    <message>
        <source>Timeout bar above the cell: runs down while the packet waits for its ACK; when it is empty the packet is sent again.</source>
        <translation>Barra do temporizador acima da célula: esvazia enquanto o pacote espera seu ACK; quando fica vazia, o pacote é reenviado.</translation>
    </message>
    <message>
        <source>Receiver cells: what the receiver holds</source>
        <translation>Células do receptor: o que o receptor guarda</translation>
    </message>
    <message>
        <source>Windows, packets and ACKs</source>
        <translation>Janelas, pacotes e ACKs</translation>
    </message>
    <message>
        <source>Purple frame: the sender&apos;s window (top) and the receiver&apos;s window (bottom).</source>
        <translation>Quadro roxo: a janela do emissor (em cima) e a do receptor (embaixo).</translation>
    </message>
    <message>
        <source>Outlined packet or ACK: held by a click; it waits where it is.</source>
        <translation>Pacote ou ACK contornado: retido por um clique; espera onde está.</translation>
    </message>
    <message>
        <source>A held packet or ACK waits where it is (turn on state marks to outline it).</source>
        <translation>Um pacote ou ACK retido espera onde está (ative as marcas de estado para contorná-lo).</translation>
    </message>
    <message>
        <source>A packet or ACK removed by a click leaves this mark for a moment (with state marks on). </source>
        <translation>Um pacote ou ACK removido por um clique deixa esta marca por um instante (com as marcas de estado). </translation>
    </message>
    <message>
        <source>packet %1, sequence number %2, held</source>
        <translation>pacote %1, número de sequência %2, retido</translation>
    </message>
    <message>
        <source>packet %1, sequence number %2, travelling</source>
        <translation>pacote %1, número de sequência %2, a caminho</translation>
    </message>
    <message>
        <source>ACK for sequence number %1 (packet %2), sent when packet %3 arrived, held</source>
        <translation>ACK do número de sequência %1 (pacote %2), enviado quando o pacote %3 chegou, retido</translation>
    </message>
    <message>
        <source>ACK for sequence number %1 (packet %2), sent when packet %3 arrived, travelling</source>
        <translation>ACK do número de sequência %1 (pacote %2), enviado quando o pacote %3 chegou, a caminho</translation>
    </message>
    <message>
        <source>ACK, held</source>
        <translation>ACK, retido</translation>
    </message>
    <message>
        <source>ACK, travelling</source>
        <translation>ACK, a caminho</translation>
    </message>
    <message>
        <source>packet, held</source>
        <translation>pacote, retido</translation>
    </message>
    <message>
        <source>packet, travelling</source>
        <translation>pacote, a caminho</translation>
    </message>
</context>
<context>
    <name>lesson auto-rtt-timeout</name>
    <message>
        <source>A timeout with Auto RTT backing the timer off</source>
        <translation>Um estouro com o Auto RTT alongando o temporizador</translation>
    </message>
    <message>
        <source>Auto RTT is on and the timeout starts at 4, shorter than a round trip of 146 ticks. Packet 1 is lost at tick 15. At tick 93 packet 0&apos;s timer runs out before its ACK could return (timeout marker) and Auto RTT doubles the timeout setting to 8; packet 1 times out at tick 147 and the setting doubles again, to 16. As ACKs come back in time, Auto RTT brings the setting down step by step: 8 at tick 293, 7 at tick 304, 6 at tick 439.</source>
        <translation>O Auto RTT está ligado e o temporizador começa em 4, mais curto que uma ida e volta de 146 tiques. O pacote 1 é perdido no tique 15. No tique 93 o temporizador do pacote 0 estoura antes que seu ACK pudesse voltar (marcador de estouro) e o Auto RTT dobra o temporizador para 8; o pacote 1 estoura no tique 147 e o valor dobra de novo, para 16. Como os ACKs voltam a tempo, o Auto RTT baixa o valor passo a passo: 8 no tique 293, 7 no tique 304, 6 no tique 439.</translation>
    </message>
    <message>
        <source>The timeout setting of 4 is shorter than a round trip. Which packets will be sent again when the first timer runs out?</source>
        <translation>O temporizador de 4 é mais curto que uma ida e volta. Quais pacotes serão reenviados quando o primeiro temporizador estourar?</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>pacote 1</translation>
    </message>
    <message>
        <source>packet 0</source>
        <translation>pacote 0</translation>
    </message>
    <message>
        <source>packets 0 to 3</source>
        <translation>pacotes 0 a 3</translation>
    </message>
    <message>
        <source>Packet 0 was not lost: its ACK simply had no time to come back. Its timer runs out first and it is sent again needlessly, and Auto RTT doubles the timeout setting so that it does not happen again.</source>
        <translation>O pacote 0 não se perdeu: seu ACK apenas não teve tempo de voltar. Seu temporizador estoura primeiro e ele é reenviado sem necessidade, e o Auto RTT dobra o temporizador para que isso não se repita.</translation>
    </message>
</context>
<context>
    <name>lesson fast-retransmit</name>
    <message>
        <source>Fast retransmit after three duplicate ACKs</source>
        <translation>Retransmissão rápida após três ACKs duplicados</translation>
    </message>
    <message>
        <source>Slow Start and Fast Retransmit are on, with the timeout at 12 as the option suggests. Packet 4 is lost at tick 230. The packets behind it each bring back a duplicate ACK asking for packet 4. The third duplicate arrives at tick 450: the sender resends packet 4 at once, without waiting for its timer (fast-retransmit marker), sets the threshold to half the 6 packets in flight, 3, and keeps sending. The first ACK that is not a duplicate ends fast recovery at tick 596.</source>
        <translation>Partida lenta e retransmissão rápida estão ligadas, com o temporizador em 12, como a opção sugere. O pacote 4 é perdido no tique 230. Os pacotes seguintes trazem cada um de volta um ACK duplicado pedindo o pacote 4. O terceiro duplicado chega no tique 450: o emissor reenvia o pacote 4 na hora, sem esperar seu temporizador (marcador de retransmissão rápida), define o limiar como metade dos 6 pacotes em voo, 3, e continua enviando. O primeiro ACK que não é duplicado encerra a recuperação rápida no tique 596.</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet 4 is on its way. Which packets will be sent again?</source>
        <translation>O terceiro ACK duplicado pedindo o pacote 4 está a caminho. Quais pacotes serão reenviados?</translation>
    </message>
    <message>
        <source>packet 4</source>
        <translation>pacote 4</translation>
    </message>
    <message>
        <source>packets 4 to 9</source>
        <translation>pacotes 4 a 9</translation>
    </message>
    <message>
        <source>packet 5</source>
        <translation>pacote 5</translation>
    </message>
    <message>
        <source>Three duplicate ACKs tell the sender that one packet is missing and the ones behind it arrived: it resends only that packet at once, without waiting for its timer.</source>
        <translation>Três ACKs duplicados dizem ao emissor que um pacote está faltando e que os seguintes chegaram: ele reenvia só esse pacote na hora, sem esperar seu temporizador.</translation>
    </message>
    <message>
        <source>The first ACK after the fast retransmit is on its way. What will SSThresh be?</source>
        <translation>O primeiro ACK após a retransmissão rápida está a caminho. Quanto valerá o SSThresh?</translation>
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
        <translation>A retransmissão rápida define o limiar como metade dos pacotes em voo, mas continua enviando em vez de recomeçar de um pacote.</translation>
    </message>
</context>
<context>
    <name>lesson go-back-n</name>
    <message>
        <source>Go-back-N (textbook) recovering one lost packet</source>
        <translation>Go-back-N (de livro) recuperando um pacote perdido</translation>
    </message>
    <message>
        <source>Go-back-N as the textbooks teach it: on a timeout the sender goes back and sends every unacknowledged packet again, and the receiver keeps only in-order packets. Packet 1 is lost at tick 15 (double click). Packets 2, 3 and 4 arrive after the gap and are thrown away (ticks 96, 107 and 220), so every ACK keeps asking for packet 1. At tick 174 packet 1&apos;s timer runs out (timeout marker): the sender goes back and queues packets 1, 2, 3 and 4 again (&quot;Going back: retransmitting packet&quot;, ticks 174 to 176). They arrive in order, by tick 280 the receiver asks for packet 5, and nothing is dropped after that. One loss costs one window of retransmissions, once.</source>
        <translation>Go-back-N como os livros ensinam: num estouro o emissor volta e reenvia todos os pacotes não confirmados, e o receptor só aceita pacotes em ordem. O pacote 1 é perdido no tique 15 (clique duplo). Os pacotes 2, 3 e 4 chegam depois da lacuna e são descartados (tiques 96, 107 e 220), então todo ACK continua pedindo o pacote 1. No tique 174 o temporizador do pacote 1 estoura (marcador de estouro): o emissor volta e põe de novo na fila os pacotes 1, 2, 3 e 4 (&quot;Going back: retransmitting packet&quot;, tiques 174 a 176). Eles chegam em ordem, no tique 280 o receptor pede o pacote 5, e nada mais é descartado depois disso. Uma perda custa uma janela de retransmissões, uma vez.</translation>
    </message>
    <message>
        <source>Packet 1 was lost. A packet after the gap arrives at the in-order receiver. Which packet will the receiver ask for next?</source>
        <translation>O pacote 1 foi perdido. Um pacote depois da lacuna chega ao receptor em ordem. Qual pacote o receptor pedirá em seguida?</translation>
    </message>
    <message>
        <source>packet 3</source>
        <translation>pacote 3</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>pacote 1</translation>
    </message>
    <message>
        <source>packet 4</source>
        <translation>pacote 4</translation>
    </message>
    <message>
        <source>The in-order receiver throws away a packet it did not expect and asks again for the one it is waiting for: every ACK names the next packet wanted, here still packet 1.</source>
        <translation>O receptor em ordem descarta um pacote que não esperava e pede de novo o que está aguardando: todo ACK nomeia o próximo pacote desejado, aqui ainda o pacote 1.</translation>
    </message>
</context>
<context>
    <name>lesson go-back-n-original-receiver</name>
    <message>
        <source>Go-back-N sender with a receiver that keeps out-of-order packets</source>
        <translation>Emissor go-back-N com um receptor que guarda pacotes fora de ordem</translation>
    </message>
    <message>
        <source>The same loss as the go-back-N lesson, but with the original sender and receiver: the sender resends only the packet whose timer ran out, and the receiver keeps packets that arrive after a gap. Packet 1 is lost at tick 15; packets 2, 3 and 4 are kept. At tick 174 packet 1 times out and is sent again, and when it arrives (tick 247) one cumulative ACK asks for packet 5: everything up to 4 is acknowledged at once. Only the lost packet was sent twice, so this sender behaves almost like selective repeat; the difference is that it needed a timeout to learn of the loss.</source>
        <translation>A mesma perda da lição go-back-N, mas com o emissor e o receptor originais: o emissor reenvia só o pacote cujo temporizador estourou, e o receptor guarda os pacotes que chegam depois de uma lacuna. O pacote 1 é perdido no tique 15; os pacotes 2, 3 e 4 são guardados. No tique 174 o pacote 1 estoura e é reenviado, e quando ele chega (tique 247) um único ACK cumulativo pede o pacote 5: tudo até o 4 é confirmado de uma vez. Só o pacote perdido foi enviado duas vezes, então este emissor se comporta quase como a repetição seletiva; a diferença é que ele precisou de um estouro para saber da perda.</translation>
    </message>
    <message>
        <source>Packet 1&apos;s timer is about to run out. Which packets will be sent again?</source>
        <translation>O temporizador do pacote 1 está para estourar. Quais pacotes serão reenviados?</translation>
    </message>
    <message>
        <source>packets 1 to 4</source>
        <translation>pacotes 1 a 4</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>pacote 1</translation>
    </message>
    <message>
        <source>packet 2</source>
        <translation>pacote 2</translation>
    </message>
    <message>
        <source>The original sender resends only the packet whose timer ran out. The receiver kept packets 2 to 4, so when packet 1 arrives one cumulative ACK covers them all.</source>
        <translation>O emissor original reenvia só o pacote cujo temporizador estourou. O receptor guardou os pacotes 2 a 4, então quando o pacote 1 chega um único ACK cumulativo cobre todos eles.</translation>
    </message>
</context>
<context>
    <name>lesson lost-ack</name>
    <message>
        <source>A lost ACK covered by the next cumulative ACK</source>
        <translation>Um ACK perdido coberto pelo próximo ACK cumulativo</translation>
    </message>
    <message>
        <source>At tick 80 the ACK asking for packet 1 is lost (double click on it; ACK-lost marker). Nothing needs resending: the next ACK, asking for packet 2, arrives a few ticks later and acknowledges packets 0 and 1 together, because every ACK names the next packet the receiver wants. No timeout happens in the whole run.</source>
        <translation>No tique 80 o ACK que pede o pacote 1 é perdido (clique duplo nele; marcador de ACK perdido). Nada precisa ser reenviado: o próximo ACK, pedindo o pacote 2, chega poucos tiques depois e confirma juntos os pacotes 0 e 1, porque todo ACK nomeia o próximo pacote que o receptor quer. Não há nenhum estouro na execução inteira.</translation>
    </message>
    <message>
        <source>The ACK asking for packet 1 was lost. What will the sender do about packet 0?</source>
        <translation>O ACK que pede o pacote 1 foi perdido. O que o emissor fará com o pacote 0?</translation>
    </message>
    <message>
        <source>Resend packet 0 when its timer runs out</source>
        <translation>Reenviar o pacote 0 quando seu temporizador estourar</translation>
    </message>
    <message>
        <source>Nothing: the next ACK acknowledges it too</source>
        <translation>Nada: o próximo ACK também o confirma</translation>
    </message>
    <message>
        <source>Resend packets 0 and 1 at once</source>
        <translation>Reenviar os pacotes 0 e 1 na hora</translation>
    </message>
    <message>
        <source>Every ACK names the next packet the receiver wants, so the ACK asking for packet 2 acknowledges packets 0 and 1 together: a lost ACK costs nothing when another follows in time.</source>
        <translation>Todo ACK nomeia o próximo pacote que o receptor quer, então o ACK que pede o pacote 2 confirma juntos os pacotes 0 e 1: um ACK perdido não custa nada quando outro vem a tempo.</translation>
    </message>
</context>
<context>
    <name>lesson one-at-a-time</name>
    <message>
        <source>One packet at a time against a window of eight</source>
        <translation>Um pacote por vez contra uma janela de oito</translation>
    </message>
    <message>
        <source>The transmit window starts at one packet: the sender puts packet 0 on the wire and waits 146 ticks for its ACK before packet 1 may leave, so the line stands idle most of the time. At tick 350 the Tx Window Size slider moves to 8 and the sender fills the pipe: eight packets travel at once, and as many ACKs come back as fast as they can. Compare how far the sender strip has got at tick 350 and at tick 700.</source>
        <translation>A janela de transmissão começa em um pacote: o emissor põe o pacote 0 na linha e espera 146 tiques por seu ACK antes que o pacote 1 possa sair, então a linha fica ociosa a maior parte do tempo. No tique 350 o controle Tamanho da janela de transmissão vai para 8 e o emissor enche o canal: oito pacotes viajam ao mesmo tempo, e outros tantos ACKs voltam o mais rápido que podem. Compare até onde a faixa do emissor chegou no tique 350 e no tique 700.</translation>
    </message>
    <message>
        <source>The Tx Window Size slider moves from 1 to 8 at tick 350. How many packets will travel at once soon after?</source>
        <translation>O controle Tamanho da janela de transmissão vai de 1 para 8 no tique 350. Quantos pacotes viajarão ao mesmo tempo logo depois?</translation>
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
        <translation>A janela de transmissão é o número de pacotes que podem estar enviados e ainda não confirmados. Com 8, o emissor põe oito pacotes na linha sem esperar, então a linha fica ocupada em vez de ociosa.</translation>
    </message>
</context>
<context>
    <name>lesson same-losses</name>
    <message>
        <source>Same losses, three protocols</source>
        <translation>Mesmas perdas, três protocolos</translation>
    </message>
    <message>
        <source>Three protocols run side by side from one clock, and the network loses 5 % of the packets in each, drawn from seed 7: whether a packet is lost depends only on its number and which transmission of it this is, so the same packets are lost under all three. Packets 9, 15 and 18 are lost under every protocol; go-back-N and selective repeat lose 9 at tick 195 and 15 at tick 261, stop-and-wait only reaches packet 9 at tick 1352. Stop-and-wait has one packet in flight, so every packet costs a whole round trip and a loss a whole timeout. Go-back-N sends eight at a time, but after a timeout it sends the whole window again and its in-order receiver drops what arrived after the gap; those resends are drawn again, so some of them are lost too (packet 16&apos;s second transmission, at tick 434). Selective repeat resends only the packet that was lost and keeps the rest. Watch the timeout markers and the resend colours in each window, and the figures table.

At tick 3000 (goodput: packets delivered in order per 100 ticks): Stop-and-wait: 18 delivered, 2 retransmissions, goodput 0.6. Go-back-N (textbook): 92 delivered, 80 retransmissions, goodput 3.1. Selective repeat: 115 delivered, 8 retransmissions, goodput 3.8.</source>
        <translation>Três protocolos rodam lado a lado com um mesmo relógio, e a rede perde 5 % dos pacotes de cada um, sorteados com a semente 7: se um pacote se perde depende só do seu número e de qual transmissão dele é, então os mesmos pacotes se perdem nos três. Os pacotes 9, 15 e 18 se perdem em todo protocolo; go-back-N e a repetição seletiva perdem o 9 no tique 195 e o 15 no tique 261, e o stop-and-wait só chega ao pacote 9 no tique 1352. O stop-and-wait tem um pacote em voo, então cada pacote custa uma ida e volta inteira e uma perda um temporizador inteiro. O go-back-N envia oito por vez, mas após um estouro reenvia a janela inteira e seu receptor em ordem descarta o que chegou depois da lacuna; esses reenvios são sorteados de novo, então alguns também se perdem (a segunda transmissão do pacote 16, no tique 434). A repetição seletiva reenvia só o pacote perdido e guarda o resto. Observe em cada janela os marcadores de estouro e as cores dos reenvios, e a tabela de números.

No tique 3000 (goodput: pacotes entregues em ordem por 100 tiques): Stop-and-wait: 18 entregues, 2 retransmissões, goodput 0,6. Go-back-N (de livro): 92 entregues, 80 retransmissões, goodput 3,1. Repetição seletiva: 115 entregues, 8 retransmissões, goodput 3,8.</translation>
    </message>
    <message>
        <source>Stop-and-wait</source>
        <translation>Stop-and-wait</translation>
    </message>
    <message>
        <source>Packet 9 was lost at tick 1352 and its timer runs out now. What does the stop-and-wait sender send again?</source>
        <translation>O pacote 9 foi perdido no tique 1352 e seu temporizador estoura agora. O que o emissor stop-and-wait reenvia?</translation>
    </message>
    <message>
        <source>packet 9</source>
        <translation>pacote 9</translation>
    </message>
    <message>
        <source>packets 9 to 16</source>
        <translation>pacotes 9 a 16</translation>
    </message>
    <message>
        <source>packet 10</source>
        <translation>pacote 10</translation>
    </message>
    <message>
        <source>Stop-and-wait never has more than one packet in flight, so a timeout costs it one resend, but a whole timeout&apos;s wait. Go-back-N lost the same packet 9 at tick 195 and sent packets 9 to 16 again from tick 320.</source>
        <translation>O stop-and-wait nunca tem mais de um pacote em voo, então um estouro lhe custa um reenvio, mas a espera de um temporizador inteiro. O go-back-N perdeu o mesmo pacote 9 no tique 195 e reenviou os pacotes 9 a 16 a partir do tique 320.</translation>
    </message>
    <message>
        <source>Go-back-N (textbook)</source>
        <translation>Go-back-N (de livro)</translation>
    </message>
    <message>
        <source>Selective repeat</source>
        <translation>Repetição seletiva</translation>
    </message>
</context>
<context>
    <name>lesson selective-repeat</name>
    <message>
        <source>The same loss under selective repeat</source>
        <translation>A mesma perda com repetição seletiva</translation>
    </message>
    <message>
        <source>Selective Repeat is on. Packet 1 is lost at tick 15. The sender keeps sending while the receiver holds packets 2 and up. At tick 169 the sender enters the Selective state, and at tick 180 packet 1&apos;s timer runs out and only packet 1 is sent again (timeout marker). When its ACK returns the window opens fully again (back to Normal at tick 326).</source>
        <translation>A repetição seletiva está ligada. O pacote 1 é perdido no tique 15. O emissor continua enviando enquanto o receptor guarda os pacotes a partir do 2. No tique 169 o emissor entra no estado Selective, e no tique 180 o temporizador do pacote 1 estoura e só o pacote 1 é reenviado (marcador de estouro). Quando seu ACK volta, a janela se abre de novo por inteiro (de volta a Normal no tique 326).</translation>
    </message>
    <message>
        <source>The resent packet 1 reaches the receiver, which holds packets 2 and up. Which packet will the receiver ask for next?</source>
        <translation>O pacote 1 reenviado chega ao receptor, que guarda os pacotes a partir do 2. Qual pacote o receptor pedirá em seguida?</translation>
    </message>
    <message>
        <source>packet 2</source>
        <translation>pacote 2</translation>
    </message>
    <message>
        <source>packet 6</source>
        <translation>pacote 6</translation>
    </message>
    <message>
        <source>packet 7</source>
        <translation>pacote 7</translation>
    </message>
    <message>
        <source>The arrival fills the gap: the receiver takes in packet 1 and everything it held after it, and its ACK asks for the first packet it has not got.</source>
        <translation>A chegada preenche a lacuna: o receptor aceita o pacote 1 e tudo o que guardava depois dele, e seu ACK pede o primeiro pacote que ainda não tem.</translation>
    </message>
</context>
<context>
    <name>lesson slow-start</name>
    <message>
        <source>Slow start up to the threshold, then avoidance</source>
        <translation>Partida lenta até o limiar, depois prevenção de congestionamento</translation>
    </message>
    <message>
        <source>Slow Start and Avoidance are on, the receive window is 16. The window starts at 2 and grows by one packet for every ACK: 4 at tick 158, 8 at tick 326. Packet 6 is lost at tick 330; its timeout at tick 455, with 8 packets in flight, sets the threshold to half of them, 4, and drops the window to 1. Slow start brings it back up to the threshold (4 at tick 904); from there congestion avoidance adds only a fraction of a packet per ACK (4.25 at tick 1039): watch the slope change on the chart. The textbooks&apos; rule grows the window by about one packet per round trip; here the window figure snaps up to the next whole packet as soon as it rounds to it, as in the original program (5 at tick 1061, 8 at tick 1375), which makes about 1.4 packets per round trip of 146 ticks.</source>
        <translation>Partida lenta e prevenção de congestionamento estão ligadas; a janela de recepção é 16. A janela começa em 2 e cresce um pacote a cada ACK: 4 no tique 158, 8 no tique 326. O pacote 6 é perdido no tique 330; seu estouro no tique 455, com 8 pacotes em voo, define o limiar como metade deles, 4, e baixa a janela para 1. A partida lenta a leva de volta ao limiar (4 no tique 904); dali a prevenção de congestionamento soma só uma fração de pacote por ACK (4,25 no tique 1039): observe a inclinação mudar no gráfico. A regra dos livros faz a janela crescer cerca de um pacote por ida e volta; aqui o número da janela salta para o próximo pacote inteiro assim que arredonda para ele, como no programa original (5 no tique 1061, 8 no tique 1375), o que dá cerca de 1,4 pacote por ida e volta de 146 tiques.</translation>
    </message>
    <message>
        <source>In slow start the window grows by one packet for every ACK. The next ACK arrives soon. What will the Tx Window Size be?</source>
        <translation>Na partida lenta a janela cresce um pacote a cada ACK. O próximo ACK chega logo. Quanto valerá o tamanho da janela de transmissão?</translation>
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
        <translation>A partida lenta soma um pacote à janela a cada ACK enquanto a janela está abaixo do SSThresh, então ela dobra a cada ida e volta.</translation>
    </message>
    <message>
        <source>Packet 6 was lost, and its timer is about to run out with 8 packets in flight. What will SSThresh be?</source>
        <translation>O pacote 6 foi perdido e seu temporizador está para estourar com 8 pacotes em voo. Quanto valerá o SSThresh?</translation>
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
        <translation>Num estouro o SSThresh passa a ser metade dos pacotes em voo e a janela cai para um pacote: a partida lenta então sobe de volta até o limiar.</translation>
    </message>
</context>
<context>
    <name>lesson small-sequence-space</name>
    <message>
        <source>A sequence space too small for the window</source>
        <translation>Um espaço de sequência pequeno demais para a janela</translation>
    </message>
    <message>
        <source>The highest sequence number is 3, so there are only four sequence numbers, but the windows are six packets. Packets 0 and 4 both carry sequence number 0, packets 1 and 5 both carry 1. Packet 1 is lost at tick 15; the ACKs that come back cannot say which packet they mean. Packet 1 times out at tick 174 and is resent, and at tick 320 the sender resends packet 3, which the receiver already had: it has read an ACK for the wrong packet. The sequence space must be at least twice the window to avoid this.</source>
        <translation>O maior número de sequência é 3, então há só quatro números de sequência, mas as janelas são de seis pacotes. Os pacotes 0 e 4 levam ambos o número de sequência 0, os pacotes 1 e 5 ambos o 1. O pacote 1 é perdido no tique 15; os ACKs que voltam não conseguem dizer a qual pacote se referem. O pacote 1 estoura no tique 174 e é reenviado, e no tique 320 o emissor reenvia o pacote 3, que o receptor já tinha: ele atribuiu um ACK ao pacote errado. O espaço de sequência precisa ter pelo menos o dobro da janela para evitar isso.</translation>
    </message>
    <message>
        <source>Packet 1 was lost and its timer is about to run out. Which packets will be sent again?</source>
        <translation>O pacote 1 foi perdido e seu temporizador está para estourar. Quais pacotes serão reenviados?</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>pacote 1</translation>
    </message>
    <message>
        <source>packet 5</source>
        <translation>pacote 5</translation>
    </message>
    <message>
        <source>packets 1 to 6</source>
        <translation>pacotes 1 a 6</translation>
    </message>
    <message>
        <source>The timer belongs to packet 1, so packet 1 is resent. But packet 5 carries the same sequence number, 1: with only four numbers for a window of six, the ACKs cannot tell them apart.</source>
        <translation>O temporizador é do pacote 1, então o pacote 1 é reenviado. Mas o pacote 5 leva o mesmo número de sequência, 1: com só quatro números para uma janela de seis, os ACKs não conseguem distingui-los.</translation>
    </message>
</context>
<context>
    <name>lesson tahoe-vs-reno</name>
    <message>
        <source>Tahoe against Reno: one loss, two answers to three duplicate ACKs</source>
        <translation>Tahoe contra Reno: uma perda, duas respostas a três ACKs duplicados</translation>
    </message>
    <message>
        <source>Tahoe-like and Reno-like TCP side by side from one clock, with the same settings but for Tahoe&apos;s rule, and the same planned loss (p10): packet 10 is lost at tick 374 in both, while the window is 8 and still growing. The packets behind it keep arriving, each bringing back a duplicate ACK asking for packet 10, and the third one arrives at tick 516 in both (fast-retransmit marker), with the window at 12 and 11 packets in flight. Both resend packet 10 at once and set SSThresh to half the flight size, 5.5. Here they part.

Tahoe starts again from a window of 1, in slow start, and further duplicates change nothing. The ACK for the resend reaches it at tick 662 and asks for packet 21: the receiver had kept every packet behind the lost one, so the go-back-N sender has nothing more to send again. Its window climbs from there: 2 at tick 662, 4 at tick 819, 6 at tick 965.

Reno halves the window and adds three for the packets that left the network (9 at tick 516), inflates it by one for each further duplicate (16 at tick 651) and keeps sending; the first new ACK ends fast recovery at tick 673 with the window back at the threshold, kept as 5 whole packets. Both run with the timeout of 12 that Fast Retransmit sets, and neither times out: the difference is the fast retransmit alone.

At tick 1500 (goodput: packets delivered in order per 100 ticks): Tahoe-like TCP: 54 delivered, 1 retransmission, goodput 3.6. Reno-like TCP: 71 delivered, 1 retransmission, goodput 4.7.</source>
        <translation>TCP tipo Tahoe e tipo Reno lado a lado com um mesmo relógio, com os mesmos ajustes exceto a regra do Tahoe, e a mesma perda planejada (p10): o pacote 10 é perdido no tique 374 nos dois, quando a janela é 8 e ainda cresce. Os pacotes seguintes continuam chegando, cada um trazendo de volta um ACK duplicado que pede o pacote 10, e o terceiro chega no tique 516 nos dois (marcador de retransmissão rápida), com a janela em 12 e 11 pacotes em voo. Ambos reenviam o pacote 10 na hora e definem o SSThresh como metade dos pacotes em voo, 5,5. Aqui eles se separam.

O Tahoe recomeça de uma janela de 1, em partida lenta, e os duplicados seguintes não mudam nada. O ACK do reenvio chega a ele no tique 662 e pede o pacote 21: o receptor tinha guardado todos os pacotes depois do perdido, então o emissor go-back-N não tem mais nada a reenviar. Sua janela sobe dali: 2 no tique 662, 4 no tique 819, 6 no tique 965.

O Reno corta a janela pela metade e soma três pelos pacotes que saíram da rede (9 no tique 516), infla-a em um a cada duplicado seguinte (16 no tique 651) e continua enviando; o primeiro ACK novo encerra a recuperação rápida no tique 673 com a janela de volta ao limiar, mantida como 5 pacotes inteiros. Os dois rodam com o temporizador de 12 que a retransmissão rápida define, e nenhum estoura: a diferença é só a retransmissão rápida.

No tique 1500 (goodput: pacotes entregues em ordem por 100 tiques): TCP tipo Tahoe: 54 entregues, 1 retransmissão, goodput 3,6. TCP tipo Reno: 71 entregues, 1 retransmissão, goodput 4,7.</translation>
    </message>
    <message>
        <source>Tahoe-like TCP</source>
        <translation>TCP tipo Tahoe</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet 10 is on its way to the Tahoe-like sender, whose window is 12. What will its Tx Window Size be?</source>
        <translation>O terceiro ACK duplicado que pede o pacote 10 está a caminho do emissor tipo Tahoe, cuja janela é 12. Quanto valerá seu tamanho da janela de transmissão?</translation>
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
        <translation>A regra do Tahoe reenvia o pacote que falta e recomeça a partida lenta de uma janela de um pacote. O Reno, ao lado, corta a janela pela metade e soma três, 9, e se recupera sem parar.</translation>
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
        <translation>Não há nenhuma lição chamada &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>links</name>
    <message>
        <source>Ignored %1=%2 in the link (%3); kept the start-up setting.</source>
        <translation>%1=%2 ignorado no link (%3); mantido o ajuste inicial.</translation>
    </message>
    <message>
        <source>Ignored the unknown parameter &quot;%1&quot; in the link.</source>
        <translation>Parâmetro desconhecido &quot;%1&quot; ignorado no link.</translation>
    </message>
    <message>
        <source>Ignored %1=%2 in the link: the lesson brings its own settings.</source>
        <translation>%1=%2 ignorado no link: a lição traz seus próprios ajustes.</translation>
    </message>
    <message>
        <source>Ignored lesson=%1 in the link. %2 The lessons are %3.</source>
        <translation>lesson=%1 ignorado no link. %2 As lições são %3.</translation>
    </message>
    <message>
        <source>the protocols are %1</source>
        <translation>os protocolos são %1</translation>
    </message>
    <message>
        <source>not every option can be set that way</source>
        <translation>nem toda opção pode ser definida assim</translation>
    </message>
    <message>
        <source>options are slowstart, avoidance, fastretransmit, selective, delayedack</source>
        <translation>as opções são slowstart, avoidance, fastretransmit, selective, delayedack</translation>
    </message>
    <message>
        <source>use 1 or 0</source>
        <translation>use 1 ou 0</translation>
    </message>
    <message>
        <source>the box cannot be changed now</source>
        <translation>a caixa não pode ser alterada agora</translation>
    </message>
    <message>
        <source>use a whole number from %1 to %2</source>
        <translation>use um número inteiro de %1 a %2</translation>
    </message>
    <message>
        <source>the languages are %1</source>
        <translation>os idiomas são %1</translation>
    </message>
    <message>
        <source>use 0.25, 0.5, 1, 2 or 4</source>
        <translation>use 0.25, 0.5, 1, 2 ou 4</translation>
    </message>
    <message>
        <source>And %1 more parameter of the link ignored.</source>
        <translation>E mais %1 parâmetro do link ignorado.</translation>
    </message>
    <message>
        <source>And %1 more parameters of the link ignored.</source>
        <translation>E mais %1 parâmetros do link ignorados.</translation>
    </message>
    <message>
        <source>This run makes a link of %1 characters, too long for a browser&apos;s address bar (%2 at most): save it as a run file and share the file instead.</source>
        <translation>Esta execução gera um link de %1 caracteres, longo demais para a barra de endereços de um navegador (no máximo %2): salve-a como arquivo de execução e compartilhe o arquivo.</translation>
    </message>
    <message>
        <source>The link to this run has %1 characters, more than a QR code holds (%2): share the link itself or the run file instead.</source>
        <translation>O link para esta execução tem %1 caracteres, mais do que cabe em um código QR (%2): compartilhe o próprio link ou o arquivo de execução.</translation>
    </message>
    <message>
        <source>The run in this link cannot be opened. The link is damaged: part of it may have been cut off when it was copied. Copy the whole link again.</source>
        <translation>A execução deste link não pode ser aberta. O link está danificado: parte dele pode ter sido cortada ao ser copiada. Copie o link inteiro de novo.</translation>
    </message>
    <message>
        <source>The run in this link cannot be opened. %1</source>
        <translation>A execução deste link não pode ser aberta. %1</translation>
    </message>
    <message>
        <source>the code on the projector gives the whole link</source>
        <translation>o código no projetor dá o link completo</translation>
    </message>
</context>
<context>
    <name>log</name>
    <message>
        <source>packet %1 dropped: out of order</source>
        <translation>pacote %1 descartado: fora de ordem</translation>
    </message>
    <message>
        <source>%1: the clock is paused; Cont goes on as a live run</source>
        <translation>%1: o relógio está pausado; Cont continua como execução ao vivo</translation>
    </message>
    <message>
        <source>Your own action at tick %1: the recorded run from here on is dropped and this run goes on as a new branch</source>
        <translation>Sua própria ação no tique %1: a execução gravada daqui em diante é descartada e esta execução segue como um novo ramo</translation>
    </message>
    <message>
        <source>Opened the run file (%1 ticks): it plays as recorded while the clock runs; an action of your own branches it</source>
        <translation>Arquivo de execução aberto (%1 tiques): ele toca como foi gravado enquanto o relógio anda; uma ação sua o ramifica</translation>
    </message>
    <message>
        <source>Opened &quot;%2&quot; (%1 ticks): it plays as recorded while the clock runs; an action of your own branches it</source>
        <translation>&quot;%2&quot; aberto (%1 tiques): ele toca como foi gravado enquanto o relógio anda; uma ação sua o ramifica</translation>
    </message>
    <message>
        <source>Run %1 dropped from the record to stay within the memory budget (%2)</source>
        <translation>Execução %1 retirada da gravação para ficar dentro do orçamento de memória (%2)</translation>
    </message>
    <message>
        <source>Ticks %1 to %2 of this run dropped to stay within the memory budget (%3): rewinds now reach back to tick %4</source>
        <translation>Tiques %1 a %2 desta execução descartados para ficar dentro do orçamento de memória (%3): agora é possível voltar até o tique %4</translation>
    </message>
    <message>
        <source>packet %1 lost</source>
        <translation>pacote %1 perdido</translation>
    </message>
    <message>
        <source>ACK asking for sequence number %1 lost</source>
        <translation>ACK pedindo o número de sequência %1 perdido</translation>
    </message>
    <message>
        <source>packet %1 held</source>
        <translation>pacote %1 retido</translation>
    </message>
    <message>
        <source>ACK asking for sequence number %1 held</source>
        <translation>ACK pedindo o número de sequência %1 retido</translation>
    </message>
    <message>
        <source>packet %1 released</source>
        <translation>pacote %1 liberado</translation>
    </message>
    <message>
        <source>ACK asking for sequence number %1 released</source>
        <translation>ACK pedindo o número de sequência %1 liberado</translation>
    </message>
    <message>
        <source>timeout set to %1</source>
        <translation>temporizador definido em %1</translation>
    </message>
    <message>
        <source>transmit window set to %1</source>
        <translation>janela de transmissão definida em %1</translation>
    </message>
    <message>
        <source>receive window set to %1</source>
        <translation>janela de recepção definida em %1</translation>
    </message>
    <message>
        <source>highest sequence number set to %1</source>
        <translation>maior número de sequência definido em %1</translation>
    </message>
    <message>
        <source>%1 pressed</source>
        <translation>%1 pressionado</translation>
    </message>
    <message>
        <source>%1 on</source>
        <translation>%1 ligado</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1 desligado</translation>
    </message>
</context>
<context>
    <name>losses</name>
    <message>
        <source>A plan holds at most %1 losses.</source>
        <translation>Um plano contém no máximo %1 perdas.</translation>
    </message>
    <message>
        <source>The planned loss &quot;%1&quot; is not p or a with a packet number, such as p5, p7.2 or a9.</source>
        <translation>A perda planejada &quot;%1&quot; não é p ou a com um número de pacote, como p5, p7.2 ou a9.</translation>
    </message>
    <message>
        <source>packet %1</source>
        <translation>pacote %1</translation>
    </message>
    <message>
        <source>the ACK for packet %1</source>
        <translation>o ACK do pacote %1</translation>
    </message>
    <message>
        <source>packet %1 (transmission %2)</source>
        <translation>pacote %1 (transmissão %2)</translation>
    </message>
    <message>
        <source>the ACK for packet %1 (transmission %2)</source>
        <translation>o ACK do pacote %1 (transmissão %2)</translation>
    </message>
    <message>
        <source>No losses</source>
        <translation>Sem perdas</translation>
    </message>
    <message>
        <source>%1 % of packets, %2 % of ACKs</source>
        <translation>%1 % dos pacotes, %2 % dos ACKs</translation>
    </message>
    <message>
        <source>%1 % of packets</source>
        <translation>%1 % dos pacotes</translation>
    </message>
    <message>
        <source>%1 % of ACKs</source>
        <translation>%1 % dos ACKs</translation>
    </message>
    <message>
        <source>Losses: %1 planned</source>
        <translation>Perdas: %1 planejadas</translation>
    </message>
    <message>
        <source>Losses: %1 (seed %2)</source>
        <translation>Perdas: %1 (semente %2)</translation>
    </message>
    <message>
        <source>Losses: %1 (seed %2), %3 planned</source>
        <translation>Perdas: %1 (semente %2), %3 planejadas</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 e mais %2</translation>
    </message>
    <message>
        <source>Lost by click: %1</source>
        <translation>Perdido por clique: %1</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>Quill&apos;s Sliding Window Demo</source>
        <translation>Demo de janela deslizante do Quill</translation>
    </message>
    <message>
        <source>Quill&apos;s Sliding Window Demo needs JavaScript: please allow scripts for this page.</source>
        <translation>A demo de janela deslizante do Quill precisa de JavaScript: permita scripts nesta página.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The window&apos;s controls at finger size</source>
        <translation>Os controles da janela em tamanho de dedo</translation>
    </message>
    <message>
        <source>Run controls, chart and log</source>
        <translation>Controles da execução, gráfico e registro</translation>
    </message>
    <message>
        <source>Step back one tick (Ctrl+Left)</source>
        <translation>Voltar um tique (Ctrl+Esquerda)</translation>
    </message>
    <message>
        <source>◀ Step Back</source>
        <translation>◀ Voltar</translation>
    </message>
    <message>
        <source>Step one tick; pauses a running clock first (Ctrl+Right)</source>
        <translation>Avançar um tique; pausa antes um relógio em andamento (Ctrl+Direita)</translation>
    </message>
    <message>
        <source>Step ▶</source>
        <translation>Avançar ▶</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
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
        <translation>Exibir</translation>
    </message>
    <message>
        <source>Colour-blind safe colours</source>
        <translation>Cores para daltônicos</translation>
    </message>
    <message>
        <source>State marks</source>
        <translation>Marcas de estado</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Open a saved run file; you can also drop one on the page</source>
        <translation>Abrir um arquivo de execução salvo; você também pode soltá-lo na página</translation>
    </message>
    <message>
        <source>Open run…</source>
        <translation>Abrir execução…</translation>
    </message>
    <message>
        <source>Download this run as a run file</source>
        <translation>Baixar esta execução como arquivo de execução</translation>
    </message>
    <message>
        <source>Save run</source>
        <translation>Salvar execução</translation>
    </message>
    <message>
        <source>Download this run as a packet capture (.pcap) for Wireshark, seen at the sender</source>
        <translation>Baixar esta execução como captura de pacotes (.pcap) para o Wireshark, vista no emissor</translation>
    </message>
    <message>
        <source>Save capture</source>
        <translation>Salvar captura</translation>
    </message>
    <message>
        <source>Open a built-in lesson</source>
        <translation>Abrir uma lição incluída</translation>
    </message>
    <message>
        <source>Lessons…</source>
        <translation>Lições…</translation>
    </message>
    <message>
        <source>Packets and ACKs the network loses: at random or planned</source>
        <translation>Pacotes e ACKs que a rede perde: aleatórios ou planejados</translation>
    </message>
    <message>
        <source>Network…</source>
        <translation>Rede…</translation>
    </message>
    <message>
        <source>Run two or three protocols side by side with the same losses</source>
        <translation>Executar dois ou três protocolos lado a lado com as mesmas perdas</translation>
    </message>
    <message>
        <source>Compare…</source>
        <translation>Comparar…</translation>
    </message>
    <message>
        <source>Copy a link that opens the page with these settings</source>
        <translation>Copiar um link que abre a página com estes ajustes</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Copiar link</translation>
    </message>
    <message>
        <source>Link to these settings</source>
        <translation>Link para estes ajustes</translation>
    </message>
    <message>
        <source>Transmit window, threshold, flight size and receive window against the tick</source>
        <translation>Janela de transmissão, limiar, pacotes em voo e janela de recepção pelo tique</translation>
    </message>
    <message>
        <source>Rewind to Cursor</source>
        <translation>Voltar ao cursor</translation>
    </message>
    <message>
        <source>This run&apos;s figures</source>
        <translation>Números desta execução</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tudo</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Emissor</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Receptor</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuário</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>Registro de eventos</translation>
    </message>
    <message>
        <source>Time-Sequence Diagram</source>
        <translation>Diagrama de tempo-sequência</translation>
    </message>
    <message>
        <source>From tick</source>
        <translation>Do tique</translation>
    </message>
    <message>
        <source>to</source>
        <translation>até</translation>
    </message>
    <message>
        <source>Download these ticks of the diagram as an SVG drawing</source>
        <translation>Baixar estes tiques do diagrama como desenho SVG</translation>
    </message>
    <message>
        <source>Save diagram (SVG)</source>
        <translation>Salvar diagrama (SVG)</translation>
    </message>
    <message>
        <source>Time-sequence diagram of the run: sender left, receiver right, time downward</source>
        <translation>Diagrama de tempo-sequência da execução: emissor à esquerda, receptor à direita, tempo para baixo</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Comparação</translation>
    </message>
    <message>
        <source>Back to the single window</source>
        <translation>Voltar à janela única</translation>
    </message>
    <message>
        <source>◀ One window</source>
        <translation>◀ Uma janela</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Step all of them back one tick (Ctrl+Left)</source>
        <translation>Voltar todas um tique (Ctrl+Esquerda)</translation>
    </message>
    <message>
        <source>Step all of them one tick (Ctrl+Right)</source>
        <translation>Avançar todas um tique (Ctrl+Direita)</translation>
    </message>
    <message>
        <source>Download the comparison as one run file</source>
        <translation>Baixar a comparação como um único arquivo de execução</translation>
    </message>
    <message>
        <source>Save comparison</source>
        <translation>Salvar comparação</translation>
    </message>
    <message>
        <source>Copy a link that opens the page with this comparison</source>
        <translation>Copiar um link que abre a página com esta comparação</translation>
    </message>
    <message>
        <source>Link to this comparison</source>
        <translation>Link para esta comparação</translation>
    </message>
    <message>
        <source>Each configuration&apos;s transmit window (thick) and goodput (thin) against the tick</source>
        <translation>Janela de transmissão (grossa) e goodput (fino) de cada configuração pelo tique</translation>
    </message>
    <message>
        <source>Figures of each configuration</source>
        <translation>Números de cada configuração</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Rede</translation>
    </message>
    <message>
        <source>A lost packet or ACK is taken off halfway across, as a double click on it would. The same seed loses the same packets under every protocol.</source>
        <translation>Um pacote ou ACK perdido é retirado no meio do caminho, como faria um clique duplo nele. A mesma semente perde os mesmos pacotes em todo protocolo.</translation>
    </message>
    <message>
        <source>Packets lost</source>
        <translation>Pacotes perdidos</translation>
    </message>
    <message>
        <source>ACKs lost</source>
        <translation>ACKs perdidos</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Semente</translation>
    </message>
    <message>
        <source>Planned losses</source>
        <translation>Perdas planejadas</translation>
    </message>
    <message>
        <source>What is lost</source>
        <translation>O que se perde</translation>
    </message>
    <message>
        <source>Packet</source>
        <translation>Pacote</translation>
    </message>
    <message>
        <source>The ACK for packet</source>
        <translation>O ACK do pacote</translation>
    </message>
    <message>
        <source>Packet number</source>
        <translation>Número do pacote</translation>
    </message>
    <message>
        <source>transmission</source>
        <translation>transmissão</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>Side by side from one clock, with the losses set under Network.</source>
        <translation>Lado a lado com um mesmo relógio, com as perdas definidas em Rede.</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primeira</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segunda</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Terceira</translation>
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
        <translation>Tique %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Prática</translation>
    </message>
    <message>
        <source>Practice: on</source>
        <translation>Prática: ligada</translation>
    </message>
    <message>
        <source>Score: %1 of %2 right</source>
        <translation>Pontuação: %1 de %2 certas</translation>
    </message>
    <message>
        <source>Summary copied</source>
        <translation>Resumo copiado</translation>
    </message>
    <message>
        <source>QR code</source>
        <translation>Código QR</translation>
    </message>
    <message>
        <source>Scan to open this run (%1 characters).</source>
        <translation>Escaneie para abrir esta execução (%1 caracteres).</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Link copiado</translation>
    </message>
    <message>
        <source>Copy the link beside</source>
        <translation>Copie o link ao lado</translation>
    </message>
    <message>
        <source>Rewind to a tick, or play on to a later one, and pause there (Ctrl+G)</source>
        <translation>Rebobinar até um tique, ou reproduzir até um posterior, e pausar ali (Ctrl+G)</translation>
    </message>
    <message>
        <source>Go to Tick…</source>
        <translation>Ir para o tique…</translation>
    </message>
    <message>
        <source>Download a view of this run as a picture for a slide, or its figures as CSV</source>
        <translation>Baixar uma vista desta execução como imagem para um slide, ou seus números em CSV</translation>
    </message>
    <message>
        <source>Download picture…</source>
        <translation>Baixar imagem…</translation>
    </message>
    <message>
        <source>Download the comparison&apos;s windows, diagrams, chart and table as one picture, or its figures as CSV</source>
        <translation>Baixar as janelas, diagramas, gráfico e tabela da comparação em uma imagem, ou seus números em CSV</translation>
    </message>
    <message>
        <source>Download picture</source>
        <translation>Baixar imagem</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>The window</source>
        <translation>A janela</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>O gráfico</translation>
    </message>
    <message>
        <source>The time-sequence diagram</source>
        <translation>O diagrama de tempo-sequência</translation>
    </message>
    <message>
        <source>The table of figures</source>
        <translation>A tabela de números</translation>
    </message>
    <message>
        <source>Show together</source>
        <translation>Mostrar juntos</translation>
    </message>
    <message>
        <source>The windows</source>
        <translation>As janelas</translation>
    </message>
    <message>
        <source>The time-sequence diagrams</source>
        <translation>Os diagramas de tempo-sequência</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Imagem PNG</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>Desenho SVG</translation>
    </message>
    <message>
        <source>The figures as CSV</source>
        <translation>Os números em CSV</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Title line</source>
        <translation>Linha de título</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Baixar</translation>
    </message>
    <message>
        <source>Tick at least one view to put in the picture.</source>
        <translation>Marque pelo menos uma vista para pôr na imagem.</translation>
    </message>
    <message>
        <source>The browser could not draw a picture this large: try a smaller width and height.</source>
        <translation>O navegador não conseguiu desenhar uma imagem tão grande: tente uma largura e uma altura menores.</translation>
    </message>
    <message>
        <source>Time-Sequence Diagrams</source>
        <translation>Diagramas de tempo-sequência</translation>
    </message>
    <message>
        <source>Time-sequence diagram of %1: sender left, receiver right, time downward</source>
        <translation>Diagrama de tempo-sequência de %1: emissor à esquerda, receptor à direita, tempo para baixo</translation>
    </message>
</context>
<context>
    <name>practice</name>
    <message>
        <source>Question withdrawn: the run changed before the event it was about.</source>
        <translation>Pergunta retirada: a execução mudou antes do evento a que ela se referia.</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right.</source>
        <translation>Prática de janela deslizante: %1 de %2 respostas certas.</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right, %3 skipped, %4 withdrawn.</source>
        <translation>Prática de janela deslizante: %1 de %2 respostas certas, %3 puladas, %4 retiradas.</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right, %3 skipped.</source>
        <translation>Prática de janela deslizante: %1 de %2 respostas certas, %3 puladas.</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right, %4 withdrawn.</source>
        <translation>Prática de janela deslizante: %1 de %2 respostas certas, %4 retiradas.</translation>
    </message>
    <message>
        <source>Withdrawn: the run was changed before the event.</source>
        <translation>Retirada: a execução foi alterada antes do evento.</translation>
    </message>
    <message>
        <source>Skipped.</source>
        <translation>Pulada.</translation>
    </message>
    <message>
        <source>The run gave: %1.</source>
        <translation>A execução deu: %1.</translation>
    </message>
    <message>
        <source>Answer: %1.</source>
        <translation>Resposta: %1.</translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>Certo.</translation>
    </message>
    <message>
        <source>Wrong: the run gave %1.</source>
        <translation>Errado: a execução deu %1.</translation>
    </message>
    <message>
        <source>packet %1</source>
        <translation>pacote %1</translation>
    </message>
    <message>
        <source>no packet</source>
        <translation>nenhum pacote</translation>
    </message>
    <message>
        <source>packets %1 to %2</source>
        <translation>pacotes %1 a %2</translation>
    </message>
    <message>
        <source>packets %1 and %2</source>
        <translation>pacotes %1 e %2</translation>
    </message>
    <message>
        <source>sets SSThresh to half the flight size (%1 packet in flight), never below 2 packets</source>
        <translation>define o SSThresh como metade dos pacotes em voo (%1 pacote em voo), nunca abaixo de 2 pacotes</translation>
    </message>
    <message>
        <source>sets SSThresh to half the flight size (%1 packets in flight), never below 2 packets</source>
        <translation>define o SSThresh como metade dos pacotes em voo (%1 pacotes em voo), nunca abaixo de 2 pacotes</translation>
    </message>
    <message>
        <source>sets SSThresh to the transmit window (%1 packet; with Avoidance on it would take half the flight size), never below 2 packets</source>
        <translation>define o SSThresh como a janela de transmissão (%1 pacote; com a prevenção de congestionamento ligada, tomaria metade dos pacotes em voo), nunca abaixo de 2 pacotes</translation>
    </message>
    <message>
        <source>sets SSThresh to the transmit window (%1 packets; with Avoidance on it would take half the flight size), never below 2 packets</source>
        <translation>define o SSThresh como a janela de transmissão (%1 pacotes; com a prevenção de congestionamento ligada, tomaria metade dos pacotes em voo), nunca abaixo de 2 pacotes</translation>
    </message>
    <message>
        <source>The go-back-N sender then goes back: every later packet not yet acknowledged is queued again, oldest first, one a tick as the window allows, which slow start opens again from one packet; an ACK that covers packets the receiver kept spares them.</source>
        <translation>O emissor go-back-N então volta: todo pacote posterior ainda não confirmado volta à fila, o mais antigo primeiro, um por tique conforme a janela permite, que a partida lenta reabre a partir de um pacote; um ACK que cobre pacotes que o receptor guardou os poupa.</translation>
    </message>
    <message>
        <source>The go-back-N sender then goes back: every later packet not yet acknowledged is queued again, oldest first, one a tick while they fit in the window.</source>
        <translation>O emissor go-back-N então volta: todo pacote posterior ainda não confirmado volta à fila, o mais antigo primeiro, um por tique enquanto couberem na janela.</translation>
    </message>
    <message>
        <source>No new packet leaves until the round is over.</source>
        <translation>Nenhum pacote novo sai até a rodada terminar.</translation>
    </message>
    <message>
        <source>No new packet leaves until the round is over: here only packet %1 is sent again, since the ACK for it covers the packets behind it, which the receiver kept.</source>
        <translation>Nenhum pacote novo sai até a rodada terminar: aqui só o pacote %1 é reenviado, já que o ACK dele cobre os pacotes seguintes, que o receptor guardou.</translation>
    </message>
    <message>
        <source>No new packet leaves until the round is over: here it sends %1 again.</source>
        <translation>Nenhum pacote novo sai até a rodada terminar: aqui ele reenvia %1.</translation>
    </message>
    <message>
        <source>Retransmission timeout.</source>
        <translation>Estouro do temporizador de retransmissão.</translation>
    </message>
    <message>
        <source>Packet %1&apos;s timer ran out before an ACK covered it, so the sender takes it for lost.</source>
        <translation>O temporizador do pacote %1 estourou antes que um ACK o cobrisse, então o emissor o considera perdido.</translation>
    </message>
    <message>
        <source>keeps the SSThresh that fast retransmit set (never below 2 packets)</source>
        <translation>mantém o SSThresh que a retransmissão rápida definiu (nunca abaixo de 2 pacotes)</translation>
    </message>
    <message>
        <source>It %1, enters the TimedOut state, drops the Tx Window to one packet (slow start begins again) and queues %2 again.</source>
        <translation>Ele %1, entra no estado TimedOut, baixa a janela de transmissão para um pacote (a partida lenta recomeça) e põe %2 de novo na fila.</translation>
    </message>
    <message>
        <source>It %1, enters the TimedOut state and queues %2 again.</source>
        <translation>Ele %1, entra no estado TimedOut e põe %2 de novo na fila.</translation>
    </message>
    <message>
        <source>With Selective Repeat the other packets keep their timers: only what timed out is resent.</source>
        <translation>Com a repetição seletiva os outros pacotes mantêm seus temporizadores: só o que estourou é reenviado.</translation>
    </message>
    <message>
        <source>This sender, as the original program&apos;s, does not go back at once: the timers of the later packets stop, and each is sent again only when it has become the oldest unacknowledged packet, a round trip apiece.</source>
        <translation>Este emissor, como o do programa original, não volta de imediato: os temporizadores dos pacotes seguintes param, e cada um só é reenviado quando se torna o pacote não confirmado mais antigo, uma ida e volta para cada.</translation>
    </message>
    <message>
        <source>A textbook go-back-N sender would resend them all now (the option &quot;Sender resends the whole window on a timeout&quot;).</source>
        <translation>Um emissor go-back-N de livro reenviaria todos agora (a opção &quot;Sender resends the whole window on a timeout&quot;).</translation>
    </message>
    <message>
        <source>Fast retransmit under Tahoe&apos;s rule.</source>
        <translation>Retransmissão rápida pela regra do Tahoe.</translation>
    </message>
    <message>
        <source>Fast retransmit.</source>
        <translation>Retransmissão rápida.</translation>
    </message>
    <message>
        <source>Three duplicate ACKs in a row tell the sender that packet %1 is missing while later packets still arrive.</source>
        <translation>Três ACKs duplicados seguidos dizem ao emissor que o pacote %1 está faltando enquanto pacotes posteriores ainda chegam.</translation>
    </message>
    <message>
        <source>Without waiting for its timer the sender resends packet %1 and sets SSThresh to half the flight size (%2 packet in flight, never below 2).</source>
        <translation>Sem esperar seu temporizador, o emissor reenvia o pacote %1 e define o SSThresh como metade dos pacotes em voo (%2 pacote em voo, nunca abaixo de 2).</translation>
    </message>
    <message>
        <source>Without waiting for its timer the sender resends packet %1 and sets SSThresh to half the flight size (%2 packets in flight, never below 2).</source>
        <translation>Sem esperar seu temporizador, o emissor reenvia o pacote %1 e define o SSThresh como metade dos pacotes em voo (%2 pacotes em voo, nunca abaixo de 2).</translation>
    </message>
    <message>
        <source>As TCP Tahoe does, it drops the Tx Window to one packet and starts slow start again: there is no fast recovery, and further duplicate ACKs change nothing.</source>
        <translation>Como o TCP Tahoe, ele baixa a janela de transmissão para um pacote e recomeça a partida lenta: não há recuperação rápida, e os ACKs duplicados seguintes não mudam nada.</translation>
    </message>
    <message>
        <source>It sets the Tx Window to half the window plus three packets, for the three that left the network (here %1, never above the receiver&apos;s window), and enters FastRetransmit; each further duplicate ACK inflates the window by one packet until a new ACK ends fast recovery.</source>
        <translation>Ele define a janela de transmissão como metade da janela mais três pacotes, pelos três que saíram da rede (aqui %1, nunca acima da janela do receptor), e entra em FastRetransmit; cada ACK duplicado seguinte infla a janela em um pacote até que um ACK novo encerre a recuperação rápida.</translation>
    </message>
    <message>
        <source>The textbooks (RFC 5681) start from the new SSThresh plus three, %1 here too: this model halves the window, as the original program does, which differs whenever the window and the flight size do.</source>
        <translation>Os livros (RFC 5681) partem do novo SSThresh mais três, também %1 aqui: este modelo corta a janela pela metade, como o programa original, o que difere sempre que a janela e os pacotes em voo diferem.</translation>
    </message>
    <message>
        <source>The textbooks (RFC 5681) start from the new SSThresh plus three, %1 here: this model halves the window, as the original program does, which differs whenever the window and the flight size do.</source>
        <translation>Os livros (RFC 5681) partem do novo SSThresh mais três, aqui %1: este modelo corta a janela pela metade, como o programa original, o que difere sempre que a janela e os pacotes em voo diferem.</translation>
    </message>
    <message>
        <source>Fast recovery: every further duplicate ACK means another packet has left the network, so the Tx Window is inflated by one packet.</source>
        <translation>Recuperação rápida: cada ACK duplicado a mais significa que outro pacote saiu da rede, então a janela de transmissão é inflada em um pacote.</translation>
    </message>
    <message>
        <source>A new ACK ends fast recovery: the Tx Window drops back to SSThresh (%1 packets).</source>
        <translation>Um ACK novo encerra a recuperação rápida: a janela de transmissão volta ao SSThresh (%1 pacotes).</translation>
    </message>
    <message>
        <source>After a timeout every new ACK sets the Tx Window to the loss window of one packet, until the resent packet itself is acknowledged and slow start takes over.</source>
        <translation>Após um estouro, cada ACK novo define a janela de transmissão como a janela de perda de um pacote, até que o próprio pacote reenviado seja confirmado e a partida lenta assuma.</translation>
    </message>
    <message>
        <source>Congestion avoidance: at or above SSThresh each new ACK adds one packet divided by the window in packets, which in the textbooks grows the window by about one packet per round trip.</source>
        <translation>Prevenção de congestionamento: no SSThresh ou acima, cada ACK novo soma um pacote dividido pela janela em pacotes, o que nos livros faz a janela crescer cerca de um pacote por ida e volta.</translation>
    </message>
    <message>
        <source>This model, as the original program does, snaps the window to whole packets as soon as it rounds to the next one, which adds the rest of that packet at once: the window grows faster than one packet per round trip.</source>
        <translation>Este modelo, como o programa original, arredonda a janela para pacotes inteiros assim que ela arredonda para o próximo, o que soma de uma vez o resto desse pacote: a janela cresce mais rápido que um pacote por ida e volta.</translation>
    </message>
    <message>
        <source>Slow start: each new ACK grows the Tx Window by one packet, however many packets it acknowledges, so the window doubles every round trip until it reaches SSThresh.</source>
        <translation>Partida lenta: cada ACK novo aumenta a janela de transmissão em um pacote, não importa quantos pacotes ele confirme, então a janela dobra a cada ida e volta até atingir o SSThresh.</translation>
    </message>
    <message>
        <source>Slow start: each new ACK grows the Tx Window by one packet, however many packets it acknowledges, so the window doubles every round trip.</source>
        <translation>Partida lenta: cada ACK novo aumenta a janela de transmissão em um pacote, não importa quantos pacotes ele confirme, então a janela dobra a cada ida e volta.</translation>
    </message>
    <message>
        <source>Selective repeat without slow start: each duplicate ACK opens the Tx Window by one packet while the holes are resent.</source>
        <translation>Repetição seletiva sem partida lenta: cada ACK duplicado abre a janela de transmissão em um pacote enquanto as lacunas são reenviadas.</translation>
    </message>
    <message>
        <source>Selective repeat without slow start: the first new ACK after the duplicates restores the smallest window seen while they arrived.</source>
        <translation>Repetição seletiva sem partida lenta: o primeiro ACK novo depois dos duplicados restaura a menor janela vista enquanto eles chegavam.</translation>
    </message>
    <message>
        <source>The Tx Window never grows beyond the receiver&apos;s window (Rx Window Size).</source>
        <translation>A janela de transmissão nunca cresce além da janela do receptor (tamanho da janela de recepção).</translation>
    </message>
    <message>
        <source>the cell of packet %1</source>
        <translation>a célula do pacote %1</translation>
    </message>
    <message>
        <source>none: it is dropped</source>
        <translation>nenhuma: ele é descartado</translation>
    </message>
    <message>
        <source>Packet %1 (sequence number %2) reaches the receiver in %3 tick.</source>
        <translation>O pacote %1 (número de sequência %2) chega ao receptor em %3 tique.</translation>
    </message>
    <message>
        <source>Packet %1 (sequence number %2) reaches the receiver in %3 ticks.</source>
        <translation>O pacote %1 (número de sequência %2) chega ao receptor em %3 tiques.</translation>
    </message>
    <message>
        <source>An ACK asking for packet %1 reaches the sender in %2 tick.</source>
        <translation>Um ACK pedindo o pacote %1 chega ao emissor em %2 tique.</translation>
    </message>
    <message>
        <source>An ACK asking for packet %1 reaches the sender in %2 ticks.</source>
        <translation>Um ACK pedindo o pacote %1 chega ao emissor em %2 tiques.</translation>
    </message>
    <message>
        <source>Which packet will the receiver ask for next?</source>
        <translation>Qual pacote o receptor pedirá em seguida?</translation>
    </message>
    <message>
        <source>What will the Tx Window Size be?</source>
        <translation>Quanto valerá o tamanho da janela de transmissão?</translation>
    </message>
    <message>
        <source>Packet %1&apos;s timer runs out in %2 tick.</source>
        <translation>O temporizador do pacote %1 estoura em %2 tique.</translation>
    </message>
    <message>
        <source>Packet %1&apos;s timer runs out in %2 ticks.</source>
        <translation>O temporizador do pacote %1 estoura em %2 tiques.</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet %1 reaches the sender in %2 tick.</source>
        <translation>O terceiro ACK duplicado pedindo o pacote %1 chega ao emissor em %2 tique.</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet %1 reaches the sender in %2 ticks.</source>
        <translation>O terceiro ACK duplicado pedindo o pacote %1 chega ao emissor em %2 tiques.</translation>
    </message>
    <message>
        <source>What will SSThresh be?</source>
        <translation>Quanto valerá o SSThresh?</translation>
    </message>
    <message>
        <source>Which packets will the sender send again before it sends a new one?</source>
        <translation>Quais pacotes o emissor reenviará antes de enviar um novo?</translation>
    </message>
    <message>
        <source>Which packets will the sender queue to send again right then?</source>
        <translation>Quais pacotes o emissor porá na fila para reenviar naquele momento?</translation>
    </message>
    <message>
        <source>In-order receiver.</source>
        <translation>Receptor em ordem.</translation>
    </message>
    <message>
        <source>This receiver keeps only the packet it expects next, packet %1 (sequence number %2).</source>
        <translation>Este receptor só guarda o pacote que espera a seguir, o pacote %1 (número de sequência %2).</translation>
    </message>
    <message>
        <source>Packet %1 is dropped, and the receiver answers at once with an ACK asking again for packet %2: an ACK always names the next packet awaited, never the one that arrived.</source>
        <translation>O pacote %1 é descartado, e o receptor responde na hora com um ACK que pede de novo o pacote %2: um ACK sempre nomeia o próximo pacote aguardado, nunca o que chegou.</translation>
    </message>
    <message>
        <source>The sender will have to send every later packet again.</source>
        <translation>O emissor terá de reenviar todos os pacotes posteriores.</translation>
    </message>
    <message>
        <source>Which cell of the receiver&apos;s strip will take it in?</source>
        <translation>Qual célula da faixa do receptor o aceitará?</translation>
    </message>
    <message>
        <source>Sequence-number aliasing.</source>
        <translation>Sobreposição de números de sequência.</translation>
    </message>
    <message>
        <source>The receiver knows a packet only by its sequence number, the packet number Mod %1.</source>
        <translation>O receptor só conhece um pacote pelo número de sequência, o número do pacote Mod %1.</translation>
    </message>
    <message>
        <source>Packet %1 carries sequence number %2, and so does packet %3 inside the receive window, so the receiver takes it in as that packet: the cell turns dark red.</source>
        <translation>O pacote %1 leva o número de sequência %2, assim como o pacote %3 dentro da janela de recepção, então o receptor o aceita como aquele pacote: a célula fica vermelho-escura.</translation>
    </message>
    <message>
        <source>The sequence space (Max Sequence No) is too small for the windows; it must hold the sender&apos;s and the receiver&apos;s windows together.</source>
        <translation>O espaço de sequência (número de sequência máx.) é pequeno demais para as janelas; ele precisa abrigar juntas a janela do emissor e a do receptor.</translation>
    </message>
    <message>
        <source>Cumulative acknowledgement.</source>
        <translation>Confirmação cumulativa.</translation>
    </message>
    <message>
        <source>Packet %1 is the packet the receiver was waiting for, and the packets after it had already arrived and been kept.</source>
        <translation>O pacote %1 é o pacote que o receptor aguardava, e os pacotes seguintes já tinham chegado e sido guardados.</translation>
    </message>
    <message>
        <source>Its arrival completes the run, so the receive window slides past all of them and the ACK asks for packet %1, the first packet still missing, not for packet %2.</source>
        <translation>Sua chegada completa a sequência, então a janela de recepção desliza além de todos eles e o ACK pede o pacote %1, o primeiro pacote ainda faltando, e não o pacote %2.</translation>
    </message>
    <message>
        <source>Which packet will the sender&apos;s window start at?</source>
        <translation>Em qual pacote a janela do emissor começará?</translation>
    </message>
    <message>
        <source>An ACK names the next packet the receiver awaits, so it acknowledges every packet before that one.</source>
        <translation>Um ACK nomeia o próximo pacote que o receptor aguarda, então confirma todos os pacotes antes dele.</translation>
    </message>
    <message>
        <source>The sender blackens them, stops their timers and slides its window on to the oldest packet still unacknowledged, packet %1.</source>
        <translation>O emissor os pinta de preto, para seus temporizadores e desliza sua janela até o pacote não confirmado mais antigo, o pacote %1.</translation>
    </message>
</context>
<context>
    <name>protocols</name>
    <message>
        <source>&quot;%1&quot; is not a protocol; the protocols are %2.</source>
        <translation>&quot;%1&quot; não é um protocolo; os protocolos são %2.</translation>
    </message>
    <message>
        <source>A comparison runs two or three protocols, not %1.</source>
        <translation>Uma comparação executa dois ou três protocolos, não %1.</translation>
    </message>
    <message>
        <source>Stop-and-wait</source>
        <translation>Stop-and-wait</translation>
    </message>
    <message>
        <source>Go-back-N (textbook)</source>
        <translation>Go-back-N (de livro)</translation>
    </message>
    <message>
        <source>Selective repeat</source>
        <translation>Repetição seletiva</translation>
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
        <translation>O receptor guarda pacotes fora de ordem</translation>
    </message>
    <message>
        <source>Fast retransmit as Tahoe: back to one packet</source>
        <translation>Retransmissão rápida como Tahoe: volta a um pacote</translation>
    </message>
    <message>
        <source>Fast retransmit as Reno: fast recovery</source>
        <translation>Retransmissão rápida como Reno: recuperação rápida</translation>
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
        <translation>true ou false</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>um número</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>uma lista</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>um objeto</translation>
    </message>
    <message>
        <source>null</source>
        <translation>null</translation>
    </message>
    <message>
        <source>The field %1 is missing.</source>
        <translation>O campo %1 está faltando.</translation>
    </message>
    <message>
        <source>The field %1 should be an object, not %2.</source>
        <translation>O campo %1 deveria ser um objeto, não %2.</translation>
    </message>
    <message>
        <source>The field %1 is %2, outside %3 to %4.</source>
        <translation>O campo %1 é %2, fora de %3 a %4.</translation>
    </message>
    <message>
        <source>The field %1 should be a whole number written without a decimal point or an exponent, not %2.</source>
        <translation>O campo %1 deveria ser um número inteiro escrito sem ponto decimal nem expoente, não %2.</translation>
    </message>
    <message>
        <source>The field %1 should be a whole number, not %2.</source>
        <translation>O campo %1 deveria ser um número inteiro, não %2.</translation>
    </message>
    <message>
        <source>The field %1 should be text, not %2.</source>
        <translation>O campo %1 deveria ser texto, não %2.</translation>
    </message>
    <message>
        <source>The field %1 should be true or false, not %2.</source>
        <translation>O campo %1 deveria ser true ou false, não %2.</translation>
    </message>
    <message>
        <source>The field %1 names no %2 this program knows: %3.</source>
        <translation>O campo %1 não nomeia nenhum %2 que este programa conheça: %3.</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>linha %1, coluna %2</translation>
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
        <translation>O arquivo tem %1, mais do que um arquivo de execução pode ter (%2).</translation>
    </message>
    <message>
        <source>The run in this link cannot be opened. It is larger than a run file may be (%1).</source>
        <translation>A execução deste link não pode ser aberta. Ela é maior do que um arquivo de execução pode ser (%1).</translation>
    </message>
    <message>
        <source>The field %1 should be a figure such as &quot; 4&quot;, not %2.</source>
        <translation>O campo %1 deveria ser um número como &quot; 4&quot;, não %2.</translation>
    </message>
    <message>
        <source>action</source>
        <translation>ação</translation>
    </message>
    <message>
        <source>option</source>
        <translation>opção</translation>
    </message>
    <message>
        <source>slider</source>
        <translation>controle deslizante</translation>
    </message>
    <message>
        <source>The entry %1 should be an object, not %2.</source>
        <translation>A entrada %1 deveria ser um objeto, não %2.</translation>
    </message>
    <message>
        <source>kind of question</source>
        <translation>tipo de pergunta</translation>
    </message>
    <message>
        <source>The field %1 is empty.</source>
        <translation>O campo %1 está vazio.</translation>
    </message>
    <message>
        <source>The field %1 should be a list of two to four texts.</source>
        <translation>O campo %1 deveria ser uma lista de dois a quatro textos.</translation>
    </message>
    <message>
        <source>The entry %1 should be text, not %2.</source>
        <translation>A entrada %1 deveria ser texto, não %2.</translation>
    </message>
    <message>
        <source>The entry %1 is empty or the same as a choice before it.</source>
        <translation>A entrada %1 está vazia ou é igual a uma escolha anterior.</translation>
    </message>
    <message>
        <source>The field %1 should be a list, not %2.</source>
        <translation>O campo %1 deveria ser uma lista, não %2.</translation>
    </message>
    <message>
        <source>The field %1 is %2, before the tick of the action before it (%3).</source>
        <translation>O campo %1 é %2, antes do tique da ação anterior (%3).</translation>
    </message>
    <message>
        <source>The field %1 is %2, after the run&apos;s last tick (%3).</source>
        <translation>O campo %1 é %2, depois do último tique da execução (%3).</translation>
    </message>
    <message>
        <source>The field %1 should be a list of at most %2 planned losses.</source>
        <translation>O campo %1 deveria ser uma lista de no máximo %2 perdas planejadas.</translation>
    </message>
    <message>
        <source>The entry %1 should be one planned loss such as &quot;p5&quot;, &quot;p7.2&quot; or &quot;a9&quot;.</source>
        <translation>A entrada %1 deveria ser uma perda planejada como &quot;p5&quot;, &quot;p7.2&quot; ou &quot;a9&quot;.</translation>
    </message>
    <message>
        <source>The file holds JSON but not a run: its top level is %1, not an object.</source>
        <translation>O arquivo contém JSON, mas não uma execução: seu nível superior é %1, não um objeto.</translation>
    </message>
    <message>
        <source>The file is not a run file: its field %1 is not %2.</source>
        <translation>O arquivo não é um arquivo de execução: seu campo %1 não é %2.</translation>
    </message>
    <message>
        <source>The file is format version %1, newer than this program reads (%2); a newer version of the program opens it.</source>
        <translation>O arquivo está na versão de formato %1, mais nova do que este programa lê (%2); uma versão mais nova do programa o abre.</translation>
    </message>
    <message>
        <source>The field %1 should be a list of one or two runs.</source>
        <translation>O campo %1 deveria ser uma lista de uma ou duas execuções.</translation>
    </message>
    <message>
        <source>The field %1 should be a list of at most %2 questions.</source>
        <translation>O campo %1 deveria ser uma lista de no máximo %2 perguntas.</translation>
    </message>
    <message>
        <source>The field %1 is before the tick of the question before it.</source>
        <translation>O campo %1 está antes do tique da pergunta anterior.</translation>
    </message>
    <message>
        <source>The file holds an object with more than %1 fields; a run file&apos;s have a dozen at most.</source>
        <translation>O arquivo contém um objeto com mais de %1 campos; os de um arquivo de execução têm no máximo uma dúzia.</translation>
    </message>
    <message>
        <source>The file nests its lists and objects more than %1 deep; a run file needs three.</source>
        <translation>O arquivo aninha suas listas e objetos em mais de %1 níveis; um arquivo de execução precisa de três.</translation>
    </message>
    <message>
        <source>The file holds more values than a run file of %1 MB can.</source>
        <translation>O arquivo contém mais valores do que um arquivo de execução de %1 MB pode ter.</translation>
    </message>
    <message>
        <source>The file holds a NUL byte at %1: a run file is plain text.</source>
        <translation>O arquivo contém um byte NUL em %1: um arquivo de execução é texto simples.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text: a malformed byte stands at %1.</source>
        <translation>O arquivo não é texto UTF-8: há um byte malformado em %1.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>O arquivo está vazio.</translation>
    </message>
    <message>
        <source>The file is not valid JSON: something unexpected stands at %1.</source>
        <translation>O arquivo não é JSON válido: há algo inesperado em %1.</translation>
    </message>
    <message>
        <source>The file ends too early, at %1: it is cut short.</source>
        <translation>O arquivo termina cedo demais, em %1: ele está cortado.</translation>
    </message>
    <message>
        <source>The file has more after its end, at %1.</source>
        <translation>O arquivo tem mais conteúdo depois do fim, em %1.</translation>
    </message>
    <message>
        <source>The file is not valid JSON.</source>
        <translation>O arquivo não é JSON válido.</translation>
    </message>
    <message>
        <source>The file holds a value of the wrong kind.</source>
        <translation>O arquivo contém um valor do tipo errado.</translation>
    </message>
    <message>
        <source>Could not open %1: there is no such file.</source>
        <translation>Não foi possível abrir %1: esse arquivo não existe.</translation>
    </message>
    <message>
        <source>Could not open %1: it is a folder, not a file.</source>
        <translation>Não foi possível abrir %1: é uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>Could not open %1: %2.</source>
        <translation>Não foi possível abrir %1: %2.</translation>
    </message>
    <message>
        <source>Could not open %1: it is not a plain file.</source>
        <translation>Não foi possível abrir %1: não é um arquivo comum.</translation>
    </message>
    <message>
        <source>Could not open %1: it cannot be read.</source>
        <translation>Não foi possível abrir %1: ele não pode ser lido.</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>Não foi possível gravar %1: %2.</translation>
    </message>
    <message>
        <source>This run is too long to save: its first %1 ticks were dropped to keep within the memory budget.</source>
        <translation>Esta execução é longa demais para ser salva: seus primeiros %1 tiques foram descartados para ficar dentro do orçamento de memória.</translation>
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
        <translation>Partida lenta</translation>
    </message>
    <message>
        <source>Avoidance</source>
        <translation>Prevenção de congestionamento</translation>
    </message>
    <message>
        <source>Fast Retransmit</source>
        <translation>Retransmissão rápida</translation>
    </message>
    <message>
        <source>Selective Repeat</source>
        <translation>Repetição seletiva</translation>
    </message>
    <message>
        <source>Delayed ACKs</source>
        <translation>ACKs atrasados</translation>
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
        <translation>Tamanho da janela de transmissão</translation>
    </message>
    <message>
        <source>Current Flight Size</source>
        <translation>Pacotes em voo</translation>
    </message>
    <message>
        <source>Duplicate ACKs</source>
        <translation>ACKs duplicados</translation>
    </message>
    <message>
        <source>SSThresh</source>
        <translation>SSThresh</translation>
    </message>
    <message>
        <source>Rx Window Size</source>
        <translation>Tamanho da janela de recepção</translation>
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
        <translation>Número de sequência máx.</translation>
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
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>Packet X : Sequence Number X</source>
        <translation>Pacote X : número de sequência X</translation>
    </message>
    <message>
        <source>ACK for X : Sent After Packet X Arrived</source>
        <translation>ACK de X : enviado após a chegada do pacote X</translation>
    </message>
    <message>
        <source>Packet %1 : Sequence Number %2</source>
        <translation>Pacote %1 : número de sequência %2</translation>
    </message>
    <message>
        <source>ACK with Seq Num %1 (packet %2) : Packet %3 Arrived</source>
        <translation>ACK nº seq. %1 (pacote %2) : pacote %3 chegou</translation>
    </message>
    <message>
        <source>Press &apos;Start&apos; to go...</source>
        <translation>Pressione &apos;Start&apos; para começar...</translation>
    </message>
    <message>
        <source>Hoping for ACK with sequence number %1</source>
        <translation>Aguardando ACK com número de sequência %1</translation>
    </message>
    <message>
        <source>Hoping for ACK with sequence number between %1 and %2</source>
        <translation>Aguardando ACK com número de sequência entre %1 e %2</translation>
    </message>
    <message>
        <source>Waiting for packet %1 with sequence number %2</source>
        <translation>Aguardando o pacote %1 com número de sequência %2</translation>
    </message>
    <message>
        <source>Transmit window now %1 only %2 in flight, so sending packet %3</source>
        <translation>Janela de transmissão agora %1, só %2 em voo, então enviando o pacote %3</translation>
    </message>
    <message>
        <source>Sending ACK for packet %1 (sequence number %2) asking for packet with sequence number %3</source>
        <translation>Enviando ACK do pacote %1 (número de sequência %2) pedindo o pacote com número de sequência %3</translation>
    </message>
    <message>
        <source> %1 Duplicate ACK for sequence number %2 arrived</source>
        <translation> %1 ACK(s) duplicado(s) para o número de sequência %2 chegou(aram)</translation>
    </message>
    <message>
        <source>Non-Duplicate ACK arrived: leaving fast re-transmit.</source>
        <translation>Chegou um ACK não duplicado: saindo da retransmissão rápida.</translation>
    </message>
    <message>
        <source>New ACK arrived: increasing window size to %1</source>
        <translation>Chegou um ACK novo: aumentando a janela para %1</translation>
    </message>
    <message>
        <source>Third duplicate ACK arrived.  Entering fast retransmit, and retransmitting packet %1</source>
        <translation>Chegou o terceiro ACK duplicado.  Entrando em retransmissão rápida e retransmitindo o pacote %1</translation>
    </message>
    <message>
        <source>Third duplicate ACK arrived.  Tahoe: retransmitting packet %1 and starting again from a window of one packet</source>
        <translation>Chegou o terceiro ACK duplicado.  Tahoe: retransmitindo o pacote %1 e recomeçando de uma janela de um pacote</translation>
    </message>
    <message>
        <source>Retransmitting packet %1</source>
        <translation>Retransmitindo o pacote %1</translation>
    </message>
    <message>
        <source>Going back: retransmitting packet %1</source>
        <translation>Voltando: retransmitindo o pacote %1</translation>
    </message>
    <message>
        <source>Run Out of Packets to Send</source>
        <translation>Acabaram os pacotes a enviar</translation>
    </message>
</context>
<context>
    <name>status</name>
    <message>
        <source>End of the lesson</source>
        <translation>Fim da lição</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>Execução %1</translation>
    </message>
    <message>
        <source>Tick %1</source>
        <translation>Tique %1</translation>
    </message>
    <message>
        <source>Run %1: %2</source>
        <translation>Execução %1: %2</translation>
    </message>
    <message>
        <source>Run %1, options kept at Reset</source>
        <translation>Execução %1, opções mantidas no Reset</translation>
    </message>
    <message>
        <source>%1: End of the lesson</source>
        <translation>%1: fim da lição</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>Receiver keeps only in-order packets</source>
        <translation>O receptor só guarda pacotes em ordem</translation>
    </message>
    <message>
        <source>Sender resends the whole window on a timeout</source>
        <translation>O emissor reenvia a janela inteira num estouro do temporizador</translation>
    </message>
    <message>
        <source>Fast retransmit restarts slow start (Tahoe)</source>
        <translation>A retransmissão rápida recomeça a partida lenta (Tahoe)</translation>
    </message>
    <message>
        <source>This run has used every packet number up to %1. Press Reset to start a new run.</source>
        <translation>Esta execução usou todos os números de pacote até %1. Pressione Reset para começar uma nova execução.</translation>
    </message>
</context>
</TS>
