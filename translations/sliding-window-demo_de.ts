<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ClassroomPanel</name>
    <message>
        <source>Classroom Session</source>
        <translation>Klassensitzung</translation>
    </message>
    <message>
        <source>QR code of the address to join the class</source>
        <translation>QR-Code der Adresse zum Beitreten</translation>
    </message>
    <message>
        <source>&amp;Ask the Room</source>
        <translation>&amp;Klasse fragen</translation>
    </message>
    <message>
        <source>&amp;Reveal</source>
        <translation>&amp;Aufdecken</translation>
    </message>
    <message>
        <source>&amp;Vote Again</source>
        <translation>&amp;Erneut abstimmen</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
    <message>
        <source>&amp;Stop Session</source>
        <translation>Sitzung &amp;beenden</translation>
    </message>
</context>
<context>
    <name>ClassroomServer</name>
    <message>
        <source>The classroom session could not listen on port %1: %2</source>
        <translation>Die Klassensitzung konnte nicht an Port %1 lauschen: %2</translation>
    </message>
</context>
<context>
    <name>ClassroomSession</name>
    <message>
        <source>The class answers could not be written to %1: %2</source>
        <translation>Die Antworten der Klasse konnten nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Part of the program could not be loaded: %1</source>
        <translation>Ein Teil des Programms konnte nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
</context>
<context>
    <name>CompareChart</name>
    <message>
        <source>Click a tick to take every configuration back to it</source>
        <translation>Klicken Sie auf einen Takt, um jede Konfiguration dorthin zurückzusetzen</translation>
    </message>
    <message>
        <source>Transmit window (packets)</source>
        <translation>Sendefenster (Pakete)</translation>
    </message>
    <message>
        <source>Goodput (packets per 100 ticks, over the last 200)</source>
        <translation>Goodput (Pakete je 100 Takte, über die letzten 200)</translation>
    </message>
    <message>
        <source>tick (50 ms at 1×)</source>
        <translation>Takt (50 ms bei 1×)</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Configuration &amp;%1:</source>
        <translation>Konfiguration &amp;%1:</translation>
    </message>
    <message>
        <source> (Network → Losses… changes them, here or in the comparison)</source>
        <translation> (Netzwerk → Verluste… ändert sie, hier oder im Vergleich)</translation>
    </message>
    <message>
        <source>Run these side by side from one clock, with the same losses:</source>
        <translation>Diese nebeneinander mit einem Takt und denselben Verlusten ausführen:</translation>
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
        <translation>Vergleich: %1</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>Schri&amp;tt</translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation>Schritt &amp;zurück</translation>
    </message>
    <message>
        <source>Speed of the shared clock</source>
        <translation>Geschwindigkeit des gemeinsamen Takts</translation>
    </message>
    <message>
        <source>&amp;Losses…</source>
        <translation>&amp;Verluste…</translation>
    </message>
    <message>
        <source>&amp;Diagram…</source>
        <translation>&amp;Diagramm…</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Speichern…</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Kleiner</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Größer</translation>
    </message>
    <message>
        <source>Each configuration loses the same packets and ACKs. A click on the chart takes all of them back to that tick; a packet or ACK you lose in one window is lost in the others too.</source>
        <translation>Jede Konfiguration verliert dieselben Pakete und ACKs. Ein Klick auf das Diagramm setzt alle auf diesen Takt zurück; ein Paket oder ACK, das Sie in einem Fenster verlieren, geht auch in den anderen verloren.</translation>
    </message>
    <message>
        <source>E&amp;xport Picture…</source>
        <translation>Bild e&amp;xportieren…</translation>
    </message>
    <message>
        <source>&amp;Handout…</source>
        <translation>&amp;Handout…</translation>
    </message>
</context>
<context>
    <name>EventLogModel</name>
    <message>
        <source>sender</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>receiver</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>user</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Takt</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Was geschah</translation>
    </message>
</context>
<context>
    <name>EventLogView</name>
    <message>
        <source>Show:</source>
        <translation>Zeigen:</translation>
    </message>
</context>
<context>
    <name>LadderView</name>
    <message>
        <source>Time-Sequence Diagram</source>
        <translation>Weg-Zeit-Diagramm</translation>
    </message>
    <message>
        <source>Time-sequence diagram of the run</source>
        <translation>Weg-Zeit-Diagramm des Laufs</translation>
    </message>
    <message>
        <source>Export Picture…</source>
        <translation>Bild exportieren…</translation>
    </message>
</context>
<context>
    <name>LegendDialog</name>
    <message>
        <source>Legend</source>
        <translation>Legende</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>LessonsDialog</name>
    <message>
        <source>Lessons</source>
        <translation>Lektionen</translation>
    </message>
</context>
<context>
    <name>LossesDialog</name>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Verluste</translation>
    </message>
    <message>
        <source>At random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>&amp;Packets lost:</source>
        <translation>&amp;Verlorene Pakete:</translation>
    </message>
    <message>
        <source>&amp;ACKs lost:</source>
        <translation>Verlorene &amp;ACKs:</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>&amp;Startwert:</translation>
    </message>
    <message>
        <source>Packet</source>
        <translation>Paket</translation>
    </message>
    <message>
        <source>ACK for packet</source>
        <translation>ACK für Paket</translation>
    </message>
    <message>
        <source>The packet&apos;s number; for an ACK, the packet whose arrival sends it</source>
        <translation>Die Nummer des Pakets; bei einem ACK das Paket, dessen Ankunft es auslöst</translation>
    </message>
    <message>
        <source>transmission </source>
        <translation>Übertragung </translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Geplant</translation>
    </message>
    <message>
        <source>Each loss is a double click on the packet or ACK as it crosses the middle of the network, recorded like yours. The same seed loses the same packets in every run and every protocol.</source>
        <translation>Jeder Verlust ist ein Doppelklick auf das Paket oder ACK, während es die Mitte des Netzes überquert, aufgezeichnet wie Ihre eigenen. Derselbe Startwert verliert in jedem Lauf und jedem Protokoll dieselben Pakete.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Time-Sequence Diagram</source>
        <translation>&amp;Weg-Zeit-Diagramm</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Lessons...</source>
        <translation>&amp;Lektionen...</translation>
    </message>
    <message>
        <source>&amp;Keys and Mouse</source>
        <translation>&amp;Tastatur und Maus</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Vollbild verlassen</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Umschalt+Tab</translation>
    </message>
    <message>
        <source>Move among the panel&apos;s controls, then into the flight area</source>
        <translation>Zwischen den Bedienelementen wechseln, dann in den Übertragungsbereich</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Press the focused button or tick the focused box</source>
        <translation>Die markierte Schaltfläche drücken oder das markierte Kästchen ankreuzen</translation>
    </message>
    <message>
        <source>Arrow keys on a slider</source>
        <translation>Pfeiltasten auf einem Schieberegler</translation>
    </message>
    <message>
        <source>Up for more on the window and sequence sliders; Right for a longer timeout</source>
        <translation>Nach oben für mehr bei den Fenster- und Sequenzreglern; nach rechts für einen längeren Timeout</translation>
    </message>
    <message>
        <source>Arrow keys in the flight area</source>
        <translation>Pfeiltasten im Übertragungsbereich</translation>
    </message>
    <message>
        <source>Pick a travelling packet or ACK (it is outlined)</source>
        <translation>Ein Paket oder ACK unterwegs auswählen (es wird umrandet)</translation>
    </message>
    <message>
        <source>Space in the flight area</source>
        <translation>Leertaste im Übertragungsbereich</translation>
    </message>
    <message>
        <source>Hold the picked one, or let it go on</source>
        <translation>Das ausgewählte anhalten oder weiterlaufen lassen</translation>
    </message>
    <message>
        <source>Delete in the flight area</source>
        <translation>Entf im Übertragungsbereich</translation>
    </message>
    <message>
        <source>Lose the picked one</source>
        <translation>Das ausgewählte verlieren</translation>
    </message>
    <message>
        <source>Keys and Mouse</source>
        <translation>Tastatur und Maus</translation>
    </message>
    <message>
        <source>On the chart: the wheel zooms, the scroll bar below moves through the run, a click puts the cursor on a tick, a double click (or &lt;i&gt;Rewind to Cursor&lt;/i&gt;) goes back to it. Selecting a line of the log moves the cursor to its tick.</source>
        <translation>Im Diagramm: Das Mausrad zoomt, die Bildlaufleiste darunter bewegt sich durch den Lauf, ein Klick setzt den Cursor auf einen Takt, ein Doppelklick (oder &lt;i&gt;Zum Cursor zurückspulen&lt;/i&gt;) geht dorthin zurück. Eine Zeile im Protokoll auszuwählen setzt den Cursor auf ihren Takt.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Version %2&lt;/p&gt;&lt;p&gt;A sliding-window transport protocol with congestion control, animated on a 50 ms clock: slow start, congestion avoidance, fast retransmit and recovery, selective repeat, delayed ACKs and an adaptive timeout.&lt;/p&gt;&lt;p&gt;The run is recorded as it goes, so it can be stepped back, rewound to any earlier tick on the chart, and exported.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Version %2&lt;/p&gt;&lt;p&gt;Ein Sliding-Window-Transportprotokoll mit Überlastkontrolle, animiert mit einem Takt von 50 ms: Slow Start, Überlastvermeidung, Fast Retransmit und Fast Recovery, Selective Repeat, verzögerte ACKs und ein adaptiver Timeout.&lt;/p&gt;&lt;p&gt;Der Lauf wird währenddessen aufgezeichnet, sodass man ihn schrittweise zurückgehen, im Diagramm zu jedem früheren Takt zurückspulen und exportieren kann.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>The window</source>
        <translation>Das Fenster</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>Das Diagramm</translation>
    </message>
    <message>
        <source>The time-sequence diagram</source>
        <translation>Das Weg-Zeit-Diagramm</translation>
    </message>
    <message>
        <source>The table of figures</source>
        <translation>Die Kennzahlentabelle</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Zeigen:</translation>
    </message>
    <message>
        <source>Export Comparison Picture</source>
        <translation>Vergleichsbild exportieren</translation>
    </message>
    <message>
        <source>Show together:</source>
        <translation>Zusammen zeigen:</translation>
    </message>
    <message>
        <source>Export Handout</source>
        <translation>Handout exportieren</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papier:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Ticks from:</source>
        <translation>Takte von:</translation>
    </message>
    <message>
        <source>four ticks spread over the range</source>
        <translation>vier Takte über den Bereich verteilt</translation>
    </message>
    <message>
        <source>Up to four ticks, separated by commas, such as 0, 150, 300, 450</source>
        <translation>Bis zu vier Takte, durch Kommas getrennt, etwa 0, 150, 300, 450</translation>
    </message>
    <message>
        <source>&amp;Window at ticks:</source>
        <translation>&amp;Fenster bei Takten:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Title line: the run, its protocol, losses and ticks</source>
        <translation>Titelzeile: der Lauf, sein Protokoll, Verluste und Takte</translation>
    </message>
    <message>
        <source>Choose at least one view to show.</source>
        <translation>Wählen Sie mindestens eine Ansicht zum Zeigen.</translation>
    </message>
    <message>
        <source>Window at ticks: %1.</source>
        <translation>Fenster bei Takten: %1.</translation>
    </message>
</context>
<context>
    <name>PracticePanel</name>
    <message>
        <source>Practice</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Skip (Esc)</source>
        <translation>Überspringen (Esc)</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punkte:</translation>
    </message>
    <message>
        <source>Questions per minute:</source>
        <translation>Fragen pro Minute:</translation>
    </message>
    <message>
        <source>Copy Summary</source>
        <translation>Zusammenfassung kopieren</translation>
    </message>
    <message>
        <source>Watching the run for the next question…</source>
        <translation>Der Lauf wird für die nächste Frage beobachtet…</translation>
    </message>
    <message>
        <source>Watch the run: the event comes in a few ticks.</source>
        <translation>Beobachten Sie den Lauf: Das Ereignis kommt in wenigen Takten.</translation>
    </message>
    <message>
        <source>Skipped: the run gave %1.</source>
        <translation>Übersprungen: Der Lauf ergab %1.</translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>Richtig.</translation>
    </message>
    <message>
        <source>Not so: the run gave %1.</source>
        <translation>Nicht ganz: Der Lauf ergab %1.</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>%1 von %2 richtig</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Time-Sequence Diagrams, Ticks %1 to %2</source>
        <translation>Weg-Zeit-Diagramme, Takte %1 bis %2</translation>
    </message>
    <message>
        <source>A receiver cell: a packet&apos;s number. Its colour (and, with state marks on, its mark) says whether the receiver awaits or holds the packet; View &gt; Legend explains them.</source>
        <translation>Eine Empfängerzelle: die Nummer eines Pakets. Ihre Farbe (und bei eingeschalteten Zustandszeichen ihr Zeichen) sagt, ob der Empfänger das Paket erwartet oder hält; Ansicht &gt; Legende erklärt sie.</translation>
    </message>
    <message>
        <source>A packet on its way to the receiver. </source>
        <translation>Ein Paket auf dem Weg zum Empfänger. </translation>
    </message>
    <message>
        <source>An ACK on its way back to the sender. </source>
        <translation>Ein ACK auf dem Rückweg zum Sender. </translation>
    </message>
    <message>
        <source>sender cell</source>
        <translation>Senderzelle</translation>
    </message>
    <message>
        <source>receiver cell</source>
        <translation>Empfängerzelle</translation>
    </message>
    <message>
        <source>Timeout Timer</source>
        <translation>Timeout-Timer</translation>
    </message>
    <message>
        <source>Tx Window Size</source>
        <translation>Sendefenstergröße</translation>
    </message>
    <message>
        <source>Rx Window Size</source>
        <translation>Empfangsfenstergröße</translation>
    </message>
    <message>
        <source>Max Sequence No</source>
        <translation>Höchste Sequenznummer</translation>
    </message>
    <message>
        <source>setting %1</source>
        <translation>Einstellung %1</translation>
    </message>
    <message>
        <source>highest sequence number %1</source>
        <translation>höchste Sequenznummer %1</translation>
    </message>
    <message>
        <source>%1 packets</source>
        <translation>%1 Pakete</translation>
    </message>
    <message>
        <source>Timeout bar: runs down while the packet waits for its ACK; when it is empty the packet is sent again.</source>
        <translation>Timeout-Balken: läuft ab, während das Paket auf sein ACK wartet; ist er leer, wird das Paket erneut gesendet.</translation>
    </message>
    <message>
        <source>The sender strip. The purple frame is the sender&apos;s window: the packets it may send before an ACK comes back.</source>
        <translation>Der Senderstreifen. Der violette Rahmen ist das Fenster des Senders: die Pakete, die er senden darf, bevor ein ACK zurückkommt.</translation>
    </message>
    <message>
        <source>The receiver strip. The purple frame is the receiver&apos;s window: the packets it takes in.</source>
        <translation>Der Empfängerstreifen. Der violette Rahmen ist das Fenster des Empfängers: die Pakete, die er annimmt.</translation>
    </message>
    <message>
        <source>Packets travel down on the left, ACKs up on the right. </source>
        <translation>Pakete laufen links nach unten, ACKs rechts nach oben. </translation>
    </message>
    <message>
        <source>Page &amp;Address...</source>
        <translation>Seiten&amp;adresse...</translation>
    </message>
    <message>
        <source>Page Address</source>
        <translation>Seitenadresse</translation>
    </message>
    <message>
        <source>The address where the page is published (https://...):</source>
        <translation>Die Adresse, unter der die Seite veröffentlicht ist (https://...):</translation>
    </message>
    <message>
        <source>Show Link as &amp;QR Code</source>
        <translation>Link als &amp;QR-Code zeigen</translation>
    </message>
    <message>
        <source>Show Link as QR Code (set the page&apos;s address first: View &gt; Page Address or --page-url URL)</source>
        <translation>Link als QR-Code zeigen (zuerst die Adresse der Seite festlegen: Ansicht &gt; Seitenadresse oder --page-url URL)</translation>
    </message>
    <message>
        <source>The page address %1 is not used: it must be a web address beginning with https:// or http://, or a file:// address.</source>
        <translation>Die Seitenadresse %1 wird nicht verwendet: Sie muss eine Webadresse sein, die mit https:// oder http:// beginnt, oder eine file://-Adresse.</translation>
    </message>
    <message>
        <source>&amp;Chart and Log</source>
        <translation>&amp;Diagramm und Protokoll</translation>
    </message>
    <message>
        <source>&amp;Open Run...</source>
        <translation>Lauf ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save Run As...</source>
        <translation>Lauf &amp;speichern unter...</translation>
    </message>
    <message>
        <source>Export Chart as &amp;PNG...</source>
        <translation>Diagramm als &amp;PNG exportieren...</translation>
    </message>
    <message>
        <source>Export Chart as PNG</source>
        <translation>Diagramm als PNG exportieren</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Export Chart as S&amp;VG...</source>
        <translation>Diagramm als S&amp;VG exportieren...</translation>
    </message>
    <message>
        <source>Export Chart as SVG</source>
        <translation>Diagramm als SVG exportieren</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>SVG-Zeichnungen (*.svg)</translation>
    </message>
    <message>
        <source>Export Run as &amp;CSV...</source>
        <translation>Lauf als &amp;CSV exportieren...</translation>
    </message>
    <message>
        <source>Export Run as CSV</source>
        <translation>Lauf als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Export Run as Packet Ca&amp;pture...</source>
        <translation>Lauf als Paketmitschnitt ex&amp;portieren...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Packet capture at the sender (*.pcap)</source>
        <translation>Paketmitschnitt beim Sender (*.pcap)</translation>
    </message>
    <message>
        <source>Packet capture at the receiver (*.pcap)</source>
        <translation>Paketmitschnitt beim Empfänger (*.pcap)</translation>
    </message>
    <message>
        <source>Export Run as Packet Capture</source>
        <translation>Lauf als Paketmitschnitt exportieren</translation>
    </message>
    <message>
        <source>Open Run</source>
        <translation>Lauf öffnen</translation>
    </message>
    <message>
        <source>Runs (*.swrun *.json);;All files (*)</source>
        <translation>Läufe (*.swrun *.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save Run As</source>
        <translation>Lauf speichern unter</translation>
    </message>
    <message>
        <source>Runs (*.swrun);;Runs, as before (*.json)</source>
        <translation>Läufe (*.swrun);;Läufe, im früheren Format (*.json)</translation>
    </message>
    <message>
        <source>%1 cannot be opened. %2</source>
        <translation>%1 kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Lauf</translation>
    </message>
    <message>
        <source>S&amp;tep One Tick</source>
        <translation>Einen &amp;Takt weiter</translation>
    </message>
    <message>
        <source>Step &amp;Back One Tick</source>
        <translation>Einen Takt &amp;zurück</translation>
    </message>
    <message>
        <source>&amp;Compare…</source>
        <translation>&amp;Vergleichen…</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>Ü&amp;bung</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>&amp;Geschwindigkeit</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Protocol</source>
        <translation>&amp;Protokoll</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>&amp;Netzwerk</translation>
    </message>
    <message>
        <source>&amp;Losses…</source>
        <translation>&amp;Verluste…</translation>
    </message>
    <message>
        <source>&amp;No Losses</source>
        <translation>&amp;Keine Verluste</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>Colour-blind safe colours</source>
        <translation>Farben für Farbenblinde</translation>
    </message>
    <message>
        <source>State marks</source>
        <translation>Zustandszeichen</translation>
    </message>
    <message>
        <source>&amp;Legend</source>
        <translation>&amp;Legende</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The program speaks %1 from its next start.</source>
        <translation>Das Programm spricht %1 ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Sprache des Systems</translation>
    </message>
    <message>
        <source>Classroom &amp;Session…</source>
        <translation>Klassen&amp;sitzung…</translation>
    </message>
    <message>
        <source>Export Class &amp;Answers…</source>
        <translation>&amp;Antworten der Klasse exportieren…</translation>
    </message>
    <message>
        <source>Export Class Answers</source>
        <translation>Antworten der Klasse exportieren</translation>
    </message>
    <message>
        <source>Now %1.</source>
        <translation>Jetzt: %1.</translation>
    </message>
    <message>
        <source>Copy &amp;Link to Run</source>
        <translation>&amp;Link zum Lauf kopieren</translation>
    </message>
    <message>
        <source>Export P&amp;icture...</source>
        <translation>B&amp;ild exportieren...</translation>
    </message>
    <message>
        <source>Export &amp;Figures as CSV...</source>
        <translation>&amp;Kennzahlen als CSV exportieren...</translation>
    </message>
    <message>
        <source>Export Figures as CSV</source>
        <translation>Kennzahlen als CSV exportieren</translation>
    </message>
    <message>
        <source>Export &amp;Handout (PDF)...</source>
        <translation>&amp;Handout exportieren (PDF)...</translation>
    </message>
    <message>
        <source>P&amp;rint Handout...</source>
        <translation>Handout d&amp;rucken...</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>PNG images (*.png);;SVG drawings (*.svg)</source>
        <translation>PNG-Bilder (*.png);;SVG-Zeichnungen (*.svg)</translation>
    </message>
    <message>
        <source>Export Comparison Picture</source>
        <translation>Vergleichsbild exportieren</translation>
    </message>
    <message>
        <source>Export Handout</source>
        <translation>Handout exportieren</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>The handout could not be printed.</source>
        <translation>Das Handout konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>&amp;Go to Tick…</source>
        <translation>&amp;Gehe zu Takt…</translation>
    </message>
    <message>
        <source>Go to Tick</source>
        <translation>Gehe zu Takt</translation>
    </message>
    <message>
        <source>Tick (now %1; a later tick plays on to it, an earlier one rewinds):</source>
        <translation>Takt (jetzt %1; ein späterer Takt wird angespielt, ein früherer zurückgespult):</translation>
    </message>
</context>
<context>
    <name>QrDialog</name>
    <message>
        <source>Link as QR Code</source>
        <translation>Link als QR-Code</translation>
    </message>
    <message>
        <source>QR code of the link to this run</source>
        <translation>QR-Code des Links zu diesem Lauf</translation>
    </message>
    <message>
        <source>Scan to open this run on a phone (%1 characters).</source>
        <translation>Scannen, um diesen Lauf auf einem Telefon zu öffnen (%1 Zeichen).</translation>
    </message>
    <message>
        <source>&amp;Copy Link</source>
        <translation>Link &amp;kopieren</translation>
    </message>
</context>
<context>
    <name>RunChart</name>
    <message>
        <source>tick (50 ms at 1×)</source>
        <translation>Takt (50 ms bei 1×)</translation>
    </message>
    <message>
        <source>packets</source>
        <translation>Pakete</translation>
    </message>
    <message>
        <source>Avoidance</source>
        <translation>Überlastvermeidung</translation>
    </message>
    <message>
        <source>tick %1</source>
        <translation>Takt %1</translation>
    </message>
    <message>
        <source>Put Cursor on Tick %1</source>
        <translation>Cursor auf Takt %1 setzen</translation>
    </message>
    <message>
        <source>Rewind to Tick %1</source>
        <translation>Zu Takt %1 zurückspulen</translation>
    </message>
    <message>
        <source>Export Picture…</source>
        <translation>Bild exportieren…</translation>
    </message>
</context>
<context>
    <name>RunPanel</name>
    <message>
        <source>Chart and Log</source>
        <translation>Diagramm und Protokoll</translation>
    </message>
    <message>
        <source>The run the chart, the log and the CSV export show; each Reset begins a new run</source>
        <translation>Der Lauf, den Diagramm, Protokoll und CSV-Export zeigen; jedes Zurücksetzen beginnt einen neuen Lauf</translation>
    </message>
    <message>
        <source>Run 1 (current)</source>
        <translation>Lauf 1 (aktuell)</translation>
    </message>
    <message>
        <source>Follow Run</source>
        <translation>Lauf folgen</translation>
    </message>
    <message>
        <source>Keep the latest tick at the right edge</source>
        <translation>Den neuesten Takt am rechten Rand halten</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Fewer ticks across the chart (%1)</source>
        <translation>Weniger Takte im Diagramm (%1)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>More ticks across the chart (%1)</source>
        <translation>Mehr Takte im Diagramm (%1)</translation>
    </message>
    <message>
        <source>Whole Run</source>
        <translation>Ganzer Lauf</translation>
    </message>
    <message>
        <source>Every tick so far</source>
        <translation>Alle bisherigen Takte</translation>
    </message>
    <message>
        <source>Rewind to Cursor</source>
        <translation>Zum Cursor zurückspulen</translation>
    </message>
    <message>
        <source>Go back to the tick under the cursor and pause there; what happened after it is dropped (also: double click on the chart)</source>
        <translation>Zum Takt unter dem Cursor zurückgehen und dort anhalten; was danach geschah, wird verworfen (auch: Doppelklick auf das Diagramm)</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>Lauf %1</translation>
    </message>
    <message>
        <source> (current)</source>
        <translation> (aktuell)</translation>
    </message>
    <message>
        <source>  cursor: tick %1 of %2</source>
        <translation>  Cursor: Takt %1 von %2</translation>
    </message>
    <message>
        <source>  tick %1 (click the chart to put the cursor on a tick)</source>
        <translation>  Takt %1 (klicken Sie in das Diagramm, um den Cursor auf einen Takt zu setzen)</translation>
    </message>
</context>
<context>
    <name>chart</name>
    <message>
        <source>Tx window</source>
        <translation>Sendefenster</translation>
    </message>
    <message>
        <source>SSThresh</source>
        <translation>SSThresh</translation>
    </message>
    <message>
        <source>Flight size</source>
        <translation>Flight Size</translation>
    </message>
    <message>
        <source>Rx window</source>
        <translation>Empfangsfenster</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Timeout</translation>
    </message>
    <message>
        <source>Fast retransmit</source>
        <translation>Fast Retransmit</translation>
    </message>
    <message>
        <source>Packet lost</source>
        <translation>Paket verloren</translation>
    </message>
    <message>
        <source>ACK lost</source>
        <translation>ACK verloren</translation>
    </message>
    <message>
        <source>State change</source>
        <translation>Zustandswechsel</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>Verworfen</translation>
    </message>
    <message>
        <source>Avoidance</source>
        <translation>Überlastvermeidung</translation>
    </message>
</context>
<context>
    <name>diagram</name>
    <message>
        <source>%1 (seq %2)</source>
        <translation>%1 (Seq %2)</translation>
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
        <translation>Timeout</translation>
    </message>
    <message>
        <source>fast retransmit</source>
        <translation>Fast Retransmit</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>drop %1</source>
        <translation>verworfen %1</translation>
    </message>
</context>
<context>
    <name>figures</name>
    <message>
        <source>Delivered in order</source>
        <translation>In Reihenfolge zugestellt</translation>
    </message>
    <message>
        <source>Retransmissions</source>
        <translation>Sendewiederholungen</translation>
    </message>
    <message>
        <source>Timeouts</source>
        <translation>Timeouts</translation>
    </message>
    <message>
        <source>Drops by the receiver</source>
        <translation>Vom Empfänger verworfen</translation>
    </message>
    <message>
        <source>Goodput (per 100 ticks)</source>
        <translation>Goodput (je 100 Takte)</translation>
    </message>
    <message>
        <source>Goodput, last 200 ticks</source>
        <translation>Goodput, letzte 200 Takte</translation>
    </message>
</context>
<context>
    <name>legend</name>
    <message>
        <source>not sent yet</source>
        <translation>noch nicht gesendet</translation>
    </message>
    <message>
        <source>queued</source>
        <translation>in der Warteschlange</translation>
    </message>
    <message>
        <source>queued, waiting for its first trip</source>
        <translation>in der Warteschlange, wartet auf seine erste Übertragung</translation>
    </message>
    <message>
        <source>queued again to be resent</source>
        <translation>erneut zum Senden eingereiht</translation>
    </message>
    <message>
        <source>queued again, waiting to be resent</source>
        <translation>erneut eingereiht, wartet auf die Wiederholung</translation>
    </message>
    <message>
        <source>in flight</source>
        <translation>unterwegs</translation>
    </message>
    <message>
        <source>in flight (sent once)</source>
        <translation>unterwegs (einmal gesendet)</translation>
    </message>
    <message>
        <source>in flight, retransmitted</source>
        <translation>unterwegs, wiederholt</translation>
    </message>
    <message>
        <source>sent again, in flight once more</source>
        <translation>erneut gesendet, wieder unterwegs</translation>
    </message>
    <message>
        <source>marked for a selective resend</source>
        <translation>für eine selektive Wiederholung markiert</translation>
    </message>
    <message>
        <source>marked to be resent at the next tick (selective repeat)</source>
        <translation>markiert, um im nächsten Takt wiederholt zu werden (Selective Repeat)</translation>
    </message>
    <message>
        <source>acknowledged</source>
        <translation>bestätigt</translation>
    </message>
    <message>
        <source>acknowledged: done</source>
        <translation>bestätigt: erledigt</translation>
    </message>
    <message>
        <source>outside the receive window</source>
        <translation>außerhalb des Empfangsfensters</translation>
    </message>
    <message>
        <source>awaited</source>
        <translation>erwartet</translation>
    </message>
    <message>
        <source>inside the window, not here yet</source>
        <translation>im Fenster, noch nicht angekommen</translation>
    </message>
    <message>
        <source>received</source>
        <translation>empfangen</translation>
    </message>
    <message>
        <source>received under another packet&apos;s number</source>
        <translation>unter der Nummer eines anderen Pakets empfangen</translation>
    </message>
    <message>
        <source>taken in under another packet&apos;s number (too few sequence numbers)</source>
        <translation>unter der Nummer eines anderen Pakets angenommen (zu wenige Sequenznummern)</translation>
    </message>
    <message>
        <source>✕ lost here</source>
        <translation>✕ hier verloren</translation>
    </message>
    <message>
        <source>A click on a travelling packet or ACK holds it and a click on a held one lets it go on, but until the clock has run seven ticks after such a click (350 ms at 1×, 91 ms at 4×; a paused clock runs none), any further click on a packet or ACK loses the one clicked.</source>
        <translation>Ein Klick auf ein Paket oder ACK unterwegs hält es an, ein Klick auf ein angehaltenes lässt es weiterlaufen; bis der Takt jedoch sieben Takte nach einem solchen Klick gelaufen ist (350 ms bei 1×, 91 ms bei 4×; ein angehaltener Takt läuft gar nicht), verliert jeder weitere Klick auf ein Paket oder ACK das angeklickte.</translation>
    </message>
    <message>
        <source>Flight area</source>
        <translation>Übertragungsbereich</translation>
    </message>
    <message>
        <source>The arrow keys pick a travelling packet or ACK, Space holds or releases it, Delete loses it.</source>
        <translation>Die Pfeiltasten wählen ein Paket oder ACK unterwegs aus, die Leertaste hält es an oder lässt es los, Entf verliert es.</translation>
    </message>
    <message>
        <source>Sender cells: what has happened to each packet</source>
        <translation>Senderzellen: was mit jedem Paket geschehen ist</translation>
    </message>
    <message>
        <source>Timeout bar above the cell: runs down while the packet waits for its ACK; when it is empty the packet is sent again.</source>
        <translation>Timeout-Balken über der Zelle: läuft ab, während das Paket auf sein ACK wartet; ist er leer, wird das Paket erneut gesendet.</translation>
    </message>
    <message>
        <source>Receiver cells: what the receiver holds</source>
        <translation>Empfängerzellen: was der Empfänger hält</translation>
    </message>
    <message>
        <source>Windows, packets and ACKs</source>
        <translation>Fenster, Pakete und ACKs</translation>
    </message>
    <message>
        <source>Purple frame: the sender&apos;s window (top) and the receiver&apos;s window (bottom).</source>
        <translation>Violetter Rahmen: das Fenster des Senders (oben) und des Empfängers (unten).</translation>
    </message>
    <message>
        <source>Outlined packet or ACK: held by a click; it waits where it is.</source>
        <translation>Umrandetes Paket oder ACK: durch einen Klick angehalten; es wartet, wo es ist.</translation>
    </message>
    <message>
        <source>A held packet or ACK waits where it is (turn on state marks to outline it).</source>
        <translation>Ein angehaltenes Paket oder ACK wartet, wo es ist (Zustandszeichen einschalten, um es zu umranden).</translation>
    </message>
    <message>
        <source>A packet or ACK removed by a click leaves this mark for a moment (with state marks on). </source>
        <translation>Ein durch Klick entferntes Paket oder ACK hinterlässt kurz dieses Zeichen (bei eingeschalteten Zustandszeichen). </translation>
    </message>
    <message>
        <source>packet %1, sequence number %2, held</source>
        <translation>Paket %1, Sequenznummer %2, angehalten</translation>
    </message>
    <message>
        <source>packet %1, sequence number %2, travelling</source>
        <translation>Paket %1, Sequenznummer %2, unterwegs</translation>
    </message>
    <message>
        <source>ACK for sequence number %1 (packet %2), sent when packet %3 arrived, held</source>
        <translation>ACK für Sequenznummer %1 (Paket %2), gesendet bei Ankunft von Paket %3, angehalten</translation>
    </message>
    <message>
        <source>ACK for sequence number %1 (packet %2), sent when packet %3 arrived, travelling</source>
        <translation>ACK für Sequenznummer %1 (Paket %2), gesendet bei Ankunft von Paket %3, unterwegs</translation>
    </message>
    <message>
        <source>ACK, held</source>
        <translation>ACK, angehalten</translation>
    </message>
    <message>
        <source>ACK, travelling</source>
        <translation>ACK, unterwegs</translation>
    </message>
    <message>
        <source>packet, held</source>
        <translation>Paket, angehalten</translation>
    </message>
    <message>
        <source>packet, travelling</source>
        <translation>Paket, unterwegs</translation>
    </message>
</context>
<context>
    <name>lesson auto-rtt-timeout</name>
    <message>
        <source>A timeout with Auto RTT backing the timer off</source>
        <translation>Ein Timeout, bei dem Auto RTT den Timer verlängert</translation>
    </message>
    <message>
        <source>Auto RTT is on and the timeout starts at 4, shorter than a round trip of 146 ticks. Packet 1 is lost at tick 15. At tick 93 packet 0&apos;s timer runs out before its ACK could return (timeout marker) and Auto RTT doubles the timeout setting to 8; packet 1 times out at tick 147 and the setting doubles again, to 16. As ACKs come back in time, Auto RTT brings the setting down step by step: 8 at tick 293, 7 at tick 304, 6 at tick 439.</source>
        <translation>Auto RTT ist eingeschaltet, und der Timeout beginnt bei 4, kürzer als eine Umlaufzeit von 146 Takten. Paket 1 geht bei Takt 15 verloren. Bei Takt 93 läuft der Timer von Paket 0 ab, bevor sein ACK zurückkommen konnte (Timeout-Markierung), und Auto RTT verdoppelt die Timeout-Einstellung auf 8; Paket 1 läuft bei Takt 147 ab, und die Einstellung verdoppelt sich erneut, auf 16. Da die ACKs nun rechtzeitig zurückkommen, senkt Auto RTT die Einstellung Schritt für Schritt: 8 bei Takt 293, 7 bei Takt 304, 6 bei Takt 439.</translation>
    </message>
    <message>
        <source>The timeout setting of 4 is shorter than a round trip. Which packets will be sent again when the first timer runs out?</source>
        <translation>Die Timeout-Einstellung von 4 ist kürzer als eine Umlaufzeit. Welche Pakete werden erneut gesendet, wenn der erste Timer abläuft?</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>Paket 1</translation>
    </message>
    <message>
        <source>packet 0</source>
        <translation>Paket 0</translation>
    </message>
    <message>
        <source>packets 0 to 3</source>
        <translation>Pakete 0 bis 3</translation>
    </message>
    <message>
        <source>Packet 0 was not lost: its ACK simply had no time to come back. Its timer runs out first and it is sent again needlessly, and Auto RTT doubles the timeout setting so that it does not happen again.</source>
        <translation>Paket 0 war nicht verloren: Sein ACK hatte nur keine Zeit zurückzukommen. Sein Timer läuft zuerst ab, es wird unnötig erneut gesendet, und Auto RTT verdoppelt die Timeout-Einstellung, damit das nicht wieder geschieht.</translation>
    </message>
</context>
<context>
    <name>lesson fast-retransmit</name>
    <message>
        <source>Fast retransmit after three duplicate ACKs</source>
        <translation>Fast Retransmit nach drei doppelten ACKs</translation>
    </message>
    <message>
        <source>Slow Start and Fast Retransmit are on, with the timeout at 12 as the option suggests. Packet 4 is lost at tick 230. The packets behind it each bring back a duplicate ACK asking for packet 4. The third duplicate arrives at tick 450: the sender resends packet 4 at once, without waiting for its timer (fast-retransmit marker), sets the threshold to half the 6 packets in flight, 3, and keeps sending. The first ACK that is not a duplicate ends fast recovery at tick 596.</source>
        <translation>Slow Start und Fast Retransmit sind eingeschaltet, mit dem Timeout bei 12, wie die Option vorschlägt. Paket 4 geht bei Takt 230 verloren. Die Pakete dahinter bringen jeweils ein doppeltes ACK zurück, das nach Paket 4 fragt. Das dritte Duplikat kommt bei Takt 450 an: Der Sender sendet Paket 4 sofort erneut, ohne auf seinen Timer zu warten (Fast-Retransmit-Markierung), setzt den Schwellenwert auf die Hälfte der 6 Pakete unterwegs, 3, und sendet weiter. Das erste ACK, das kein Duplikat ist, beendet Fast Recovery bei Takt 596.</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet 4 is on its way. Which packets will be sent again?</source>
        <translation>Das dritte doppelte ACK, das nach Paket 4 fragt, ist unterwegs. Welche Pakete werden erneut gesendet?</translation>
    </message>
    <message>
        <source>packet 4</source>
        <translation>Paket 4</translation>
    </message>
    <message>
        <source>packets 4 to 9</source>
        <translation>Pakete 4 bis 9</translation>
    </message>
    <message>
        <source>packet 5</source>
        <translation>Paket 5</translation>
    </message>
    <message>
        <source>Three duplicate ACKs tell the sender that one packet is missing and the ones behind it arrived: it resends only that packet at once, without waiting for its timer.</source>
        <translation>Drei doppelte ACKs sagen dem Sender, dass ein Paket fehlt und die dahinter angekommen sind: Er sendet nur dieses Paket sofort erneut, ohne auf seinen Timer zu warten.</translation>
    </message>
    <message>
        <source>The first ACK after the fast retransmit is on its way. What will SSThresh be?</source>
        <translation>Das erste ACK nach dem Fast Retransmit ist unterwegs. Wie groß wird SSThresh sein?</translation>
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
        <translation>Fast Retransmit setzt den Schwellenwert auf die Hälfte der Pakete unterwegs, sendet aber weiter, statt wieder bei einem Paket zu beginnen.</translation>
    </message>
</context>
<context>
    <name>lesson go-back-n</name>
    <message>
        <source>Go-back-N (textbook) recovering one lost packet</source>
        <translation>Go-Back-N (Lehrbuch) behebt einen Paketverlust</translation>
    </message>
    <message>
        <source>Go-back-N as the textbooks teach it: on a timeout the sender goes back and sends every unacknowledged packet again, and the receiver keeps only in-order packets. Packet 1 is lost at tick 15 (double click). Packets 2, 3 and 4 arrive after the gap and are thrown away (ticks 96, 107 and 220), so every ACK keeps asking for packet 1. At tick 174 packet 1&apos;s timer runs out (timeout marker): the sender goes back and queues packets 1, 2, 3 and 4 again (&quot;Going back: retransmitting packet&quot;, ticks 174 to 176). They arrive in order, by tick 280 the receiver asks for packet 5, and nothing is dropped after that. One loss costs one window of retransmissions, once.</source>
        <translation>Go-Back-N, wie es die Lehrbücher lehren: Bei einem Timeout geht der Sender zurück und sendet jedes unbestätigte Paket erneut, und der Empfänger behält nur Pakete in Reihenfolge. Paket 1 geht bei Takt 15 verloren (Doppelklick). Die Pakete 2, 3 und 4 kommen nach der Lücke an und werden verworfen (Takte 96, 107 und 220), daher fragt jedes ACK weiter nach Paket 1. Bei Takt 174 läuft der Timer von Paket 1 ab (Timeout-Markierung): Der Sender geht zurück und reiht die Pakete 1, 2, 3 und 4 erneut ein („Going back: retransmitting packet“, Takte 174 bis 176). Sie kommen in Reihenfolge an, bis Takt 280 fragt der Empfänger nach Paket 5, und danach wird nichts mehr verworfen. Ein Verlust kostet einmal ein ganzes Fenster an Sendewiederholungen.</translation>
    </message>
    <message>
        <source>Packet 1 was lost. A packet after the gap arrives at the in-order receiver. Which packet will the receiver ask for next?</source>
        <translation>Paket 1 ging verloren. Ein Paket nach der Lücke kommt beim Empfänger an, der nur in Reihenfolge annimmt. Nach welchem Paket fragt der Empfänger als Nächstes?</translation>
    </message>
    <message>
        <source>packet 3</source>
        <translation>Paket 3</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>Paket 1</translation>
    </message>
    <message>
        <source>packet 4</source>
        <translation>Paket 4</translation>
    </message>
    <message>
        <source>The in-order receiver throws away a packet it did not expect and asks again for the one it is waiting for: every ACK names the next packet wanted, here still packet 1.</source>
        <translation>Der Empfänger, der nur in Reihenfolge annimmt, verwirft ein Paket, das er nicht erwartet hat, und fragt erneut nach dem, auf das er wartet: Jedes ACK nennt das nächste gewünschte Paket, hier weiterhin Paket 1.</translation>
    </message>
</context>
<context>
    <name>lesson go-back-n-original-receiver</name>
    <message>
        <source>Go-back-N sender with a receiver that keeps out-of-order packets</source>
        <translation>Go-Back-N-Sender mit einem Empfänger, der Pakete außer der Reihe behält</translation>
    </message>
    <message>
        <source>The same loss as the go-back-N lesson, but with the original sender and receiver: the sender resends only the packet whose timer ran out, and the receiver keeps packets that arrive after a gap. Packet 1 is lost at tick 15; packets 2, 3 and 4 are kept. At tick 174 packet 1 times out and is sent again, and when it arrives (tick 247) one cumulative ACK asks for packet 5: everything up to 4 is acknowledged at once. Only the lost packet was sent twice, so this sender behaves almost like selective repeat; the difference is that it needed a timeout to learn of the loss.</source>
        <translation>Derselbe Verlust wie in der Go-Back-N-Lektion, aber mit dem ursprünglichen Sender und Empfänger: Der Sender sendet nur das Paket erneut, dessen Timer abgelaufen ist, und der Empfänger behält Pakete, die nach einer Lücke ankommen. Paket 1 geht bei Takt 15 verloren; die Pakete 2, 3 und 4 werden behalten. Bei Takt 174 läuft Paket 1 ab und wird erneut gesendet, und bei seiner Ankunft (Takt 247) fragt ein kumulatives ACK nach Paket 5: Alles bis 4 ist auf einmal bestätigt. Nur das verlorene Paket wurde zweimal gesendet, also verhält sich dieser Sender fast wie Selective Repeat; der Unterschied ist, dass er einen Timeout brauchte, um von dem Verlust zu erfahren.</translation>
    </message>
    <message>
        <source>Packet 1&apos;s timer is about to run out. Which packets will be sent again?</source>
        <translation>Der Timer von Paket 1 läuft gleich ab. Welche Pakete werden erneut gesendet?</translation>
    </message>
    <message>
        <source>packets 1 to 4</source>
        <translation>Pakete 1 bis 4</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>Paket 1</translation>
    </message>
    <message>
        <source>packet 2</source>
        <translation>Paket 2</translation>
    </message>
    <message>
        <source>The original sender resends only the packet whose timer ran out. The receiver kept packets 2 to 4, so when packet 1 arrives one cumulative ACK covers them all.</source>
        <translation>Der ursprüngliche Sender sendet nur das Paket erneut, dessen Timer abgelaufen ist. Der Empfänger hat die Pakete 2 bis 4 behalten, also deckt bei der Ankunft von Paket 1 ein kumulatives ACK sie alle ab.</translation>
    </message>
</context>
<context>
    <name>lesson lost-ack</name>
    <message>
        <source>A lost ACK covered by the next cumulative ACK</source>
        <translation>Ein verlorenes ACK, abgedeckt durch das nächste kumulative ACK</translation>
    </message>
    <message>
        <source>At tick 80 the ACK asking for packet 1 is lost (double click on it; ACK-lost marker). Nothing needs resending: the next ACK, asking for packet 2, arrives a few ticks later and acknowledges packets 0 and 1 together, because every ACK names the next packet the receiver wants. No timeout happens in the whole run.</source>
        <translation>Bei Takt 80 geht das ACK verloren, das nach Paket 1 fragt (Doppelklick darauf; ACK-verloren-Markierung). Nichts muss erneut gesendet werden: Das nächste ACK, das nach Paket 2 fragt, kommt wenige Takte später an und bestätigt die Pakete 0 und 1 zusammen, denn jedes ACK nennt das nächste Paket, das der Empfänger haben will. Im ganzen Lauf gibt es keinen Timeout.</translation>
    </message>
    <message>
        <source>The ACK asking for packet 1 was lost. What will the sender do about packet 0?</source>
        <translation>Das ACK, das nach Paket 1 fragt, ging verloren. Was tut der Sender mit Paket 0?</translation>
    </message>
    <message>
        <source>Resend packet 0 when its timer runs out</source>
        <translation>Paket 0 erneut senden, wenn sein Timer abläuft</translation>
    </message>
    <message>
        <source>Nothing: the next ACK acknowledges it too</source>
        <translation>Nichts: Das nächste ACK bestätigt es mit</translation>
    </message>
    <message>
        <source>Resend packets 0 and 1 at once</source>
        <translation>Die Pakete 0 und 1 sofort erneut senden</translation>
    </message>
    <message>
        <source>Every ACK names the next packet the receiver wants, so the ACK asking for packet 2 acknowledges packets 0 and 1 together: a lost ACK costs nothing when another follows in time.</source>
        <translation>Jedes ACK nennt das nächste Paket, das der Empfänger haben will, daher bestätigt das ACK, das nach Paket 2 fragt, die Pakete 0 und 1 zusammen: Ein verlorenes ACK kostet nichts, wenn rechtzeitig ein weiteres folgt.</translation>
    </message>
</context>
<context>
    <name>lesson one-at-a-time</name>
    <message>
        <source>One packet at a time against a window of eight</source>
        <translation>Ein Paket nach dem anderen gegen ein Fenster von acht</translation>
    </message>
    <message>
        <source>The transmit window starts at one packet: the sender puts packet 0 on the wire and waits 146 ticks for its ACK before packet 1 may leave, so the line stands idle most of the time. At tick 350 the Tx Window Size slider moves to 8 and the sender fills the pipe: eight packets travel at once, and as many ACKs come back as fast as they can. Compare how far the sender strip has got at tick 350 and at tick 700.</source>
        <translation>Das Sendefenster beginnt bei einem Paket: Der Sender schickt Paket 0 auf die Leitung und wartet 146 Takte auf sein ACK, bevor Paket 1 losgehen darf, daher steht die Leitung die meiste Zeit still. Bei Takt 350 geht der Regler Sendefenstergröße auf 8, und der Sender füllt die Leitung: Acht Pakete sind gleichzeitig unterwegs, und ebenso viele ACKs kommen so schnell zurück, wie sie können. Vergleichen Sie, wie weit der Senderstreifen bei Takt 350 und bei Takt 700 gekommen ist.</translation>
    </message>
    <message>
        <source>The Tx Window Size slider moves from 1 to 8 at tick 350. How many packets will travel at once soon after?</source>
        <translation>Der Regler Sendefenstergröße geht bei Takt 350 von 1 auf 8. Wie viele Pakete sind kurz danach gleichzeitig unterwegs?</translation>
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
        <translation>Das Sendefenster ist die Anzahl der Pakete, die gesendet und noch nicht bestätigt sein dürfen. Bei 8 schickt der Sender acht Pakete ohne Warten auf die Leitung, sodass die Leitung ausgelastet statt untätig ist.</translation>
    </message>
</context>
<context>
    <name>lesson same-losses</name>
    <message>
        <source>Same losses, three protocols</source>
        <translation>Dieselben Verluste, drei Protokolle</translation>
    </message>
    <message>
        <source>Three protocols run side by side from one clock, and the network loses 5 % of the packets in each, drawn from seed 7: whether a packet is lost depends only on its number and which transmission of it this is, so the same packets are lost under all three. Packets 9, 15 and 18 are lost under every protocol; go-back-N and selective repeat lose 9 at tick 195 and 15 at tick 261, stop-and-wait only reaches packet 9 at tick 1352. Stop-and-wait has one packet in flight, so every packet costs a whole round trip and a loss a whole timeout. Go-back-N sends eight at a time, but after a timeout it sends the whole window again and its in-order receiver drops what arrived after the gap; those resends are drawn again, so some of them are lost too (packet 16&apos;s second transmission, at tick 434). Selective repeat resends only the packet that was lost and keeps the rest. Watch the timeout markers and the resend colours in each window, and the figures table.

At tick 3000 (goodput: packets delivered in order per 100 ticks): Stop-and-wait: 18 delivered, 2 retransmissions, goodput 0.6. Go-back-N (textbook): 92 delivered, 80 retransmissions, goodput 3.1. Selective repeat: 115 delivered, 8 retransmissions, goodput 3.8.</source>
        <translation>Drei Protokolle laufen nebeneinander mit einem Takt, und das Netz verliert in jedem 5 % der Pakete, gezogen mit Startwert 7: Ob ein Paket verloren geht, hängt nur von seiner Nummer ab und davon, die wievielte Übertragung es ist, daher gehen bei allen dreien dieselben Pakete verloren. Die Pakete 9, 15 und 18 gehen bei jedem Protokoll verloren; Go-Back-N und Selective Repeat verlieren 9 bei Takt 195 und 15 bei Takt 261, Stop-and-Wait erreicht Paket 9 erst bei Takt 1352. Stop-and-Wait hat ein Paket unterwegs, daher kostet jedes Paket eine ganze Umlaufzeit und ein Verlust einen ganzen Timeout. Go-Back-N sendet acht auf einmal, aber nach einem Timeout sendet es das ganze Fenster erneut, und sein Empfänger, der nur in Reihenfolge annimmt, verwirft, was nach der Lücke ankam; diese Wiederholungen werden erneut gezogen, daher gehen auch einige davon verloren (die zweite Übertragung von Paket 16, bei Takt 434). Selective Repeat sendet nur das verlorene Paket erneut und behält den Rest. Beobachten Sie in jedem Fenster die Timeout-Markierungen und die Farben der Wiederholungen sowie die Kennzahlentabelle.

Bei Takt 3000 (Goodput: in Reihenfolge zugestellte Pakete je 100 Takte): Stop-and-Wait: 18 zugestellt, 2 Sendewiederholungen, Goodput 0.6. Go-Back-N (Lehrbuch): 92 zugestellt, 80 Sendewiederholungen, Goodput 3.1. Selective Repeat: 115 zugestellt, 8 Sendewiederholungen, Goodput 3.8.</translation>
    </message>
    <message>
        <source>Stop-and-wait</source>
        <translation>Stop-and-Wait</translation>
    </message>
    <message>
        <source>Packet 9 was lost at tick 1352 and its timer runs out now. What does the stop-and-wait sender send again?</source>
        <translation>Paket 9 ging bei Takt 1352 verloren, und sein Timer läuft jetzt ab. Was sendet der Stop-and-Wait-Sender erneut?</translation>
    </message>
    <message>
        <source>packet 9</source>
        <translation>Paket 9</translation>
    </message>
    <message>
        <source>packets 9 to 16</source>
        <translation>Pakete 9 bis 16</translation>
    </message>
    <message>
        <source>packet 10</source>
        <translation>Paket 10</translation>
    </message>
    <message>
        <source>Stop-and-wait never has more than one packet in flight, so a timeout costs it one resend, but a whole timeout&apos;s wait. Go-back-N lost the same packet 9 at tick 195 and sent packets 9 to 16 again from tick 320.</source>
        <translation>Stop-and-Wait hat nie mehr als ein Paket unterwegs, daher kostet es ein Timeout eine Wiederholung, aber das Warten eines ganzen Timeouts. Go-Back-N verlor dasselbe Paket 9 bei Takt 195 und sendete ab Takt 320 die Pakete 9 bis 16 erneut.</translation>
    </message>
    <message>
        <source>Go-back-N (textbook)</source>
        <translation>Go-Back-N (Lehrbuch)</translation>
    </message>
    <message>
        <source>Selective repeat</source>
        <translation>Selective Repeat</translation>
    </message>
</context>
<context>
    <name>lesson selective-repeat</name>
    <message>
        <source>The same loss under selective repeat</source>
        <translation>Derselbe Verlust mit Selective Repeat</translation>
    </message>
    <message>
        <source>Selective Repeat is on. Packet 1 is lost at tick 15. The sender keeps sending while the receiver holds packets 2 and up. At tick 169 the sender enters the Selective state, and at tick 180 packet 1&apos;s timer runs out and only packet 1 is sent again (timeout marker). When its ACK returns the window opens fully again (back to Normal at tick 326).</source>
        <translation>Selective Repeat ist eingeschaltet. Paket 1 geht bei Takt 15 verloren. Der Sender sendet weiter, während der Empfänger die Pakete ab 2 hält. Bei Takt 169 geht der Sender in den Zustand Selective, und bei Takt 180 läuft der Timer von Paket 1 ab, und nur Paket 1 wird erneut gesendet (Timeout-Markierung). Wenn sein ACK zurückkommt, öffnet sich das Fenster wieder ganz (zurück zu Normal bei Takt 326).</translation>
    </message>
    <message>
        <source>The resent packet 1 reaches the receiver, which holds packets 2 and up. Which packet will the receiver ask for next?</source>
        <translation>Das erneut gesendete Paket 1 erreicht den Empfänger, der die Pakete ab 2 hält. Nach welchem Paket fragt der Empfänger als Nächstes?</translation>
    </message>
    <message>
        <source>packet 2</source>
        <translation>Paket 2</translation>
    </message>
    <message>
        <source>packet 6</source>
        <translation>Paket 6</translation>
    </message>
    <message>
        <source>packet 7</source>
        <translation>Paket 7</translation>
    </message>
    <message>
        <source>The arrival fills the gap: the receiver takes in packet 1 and everything it held after it, and its ACK asks for the first packet it has not got.</source>
        <translation>Die Ankunft füllt die Lücke: Der Empfänger nimmt Paket 1 und alles, was er danach gehalten hat, an, und sein ACK fragt nach dem ersten Paket, das er noch nicht hat.</translation>
    </message>
</context>
<context>
    <name>lesson slow-start</name>
    <message>
        <source>Slow start up to the threshold, then avoidance</source>
        <translation>Slow Start bis zum Schwellenwert, dann Überlastvermeidung</translation>
    </message>
    <message>
        <source>Slow Start and Avoidance are on, the receive window is 16. The window starts at 2 and grows by one packet for every ACK: 4 at tick 158, 8 at tick 326. Packet 6 is lost at tick 330; its timeout at tick 455, with 8 packets in flight, sets the threshold to half of them, 4, and drops the window to 1. Slow start brings it back up to the threshold (4 at tick 904); from there congestion avoidance adds only a fraction of a packet per ACK (4.25 at tick 1039): watch the slope change on the chart. The textbooks&apos; rule grows the window by about one packet per round trip; here the window figure snaps up to the next whole packet as soon as it rounds to it, as in the original program (5 at tick 1061, 8 at tick 1375), which makes about 1.4 packets per round trip of 146 ticks.</source>
        <translation>Slow Start und Überlastvermeidung sind eingeschaltet, das Empfangsfenster ist 16. Das Fenster beginnt bei 2 und wächst mit jedem ACK um ein Paket: 4 bei Takt 158, 8 bei Takt 326. Paket 6 geht bei Takt 330 verloren; sein Timeout bei Takt 455, mit 8 Paketen unterwegs, setzt den Schwellenwert auf deren Hälfte, 4, und senkt das Fenster auf 1. Slow Start bringt es wieder bis zum Schwellenwert (4 bei Takt 904); von dort fügt die Überlastvermeidung je ACK nur einen Bruchteil eines Pakets hinzu (4.25 bei Takt 1039): Beobachten Sie, wie sich die Steigung im Diagramm ändert. Die Regel der Lehrbücher vergrößert das Fenster um etwa ein Paket je Umlaufzeit; hier springt die Fensterzahl zum nächsten ganzen Paket, sobald sie darauf gerundet wird, wie im ursprünglichen Programm (5 bei Takt 1061, 8 bei Takt 1375), was etwa 1.4 Pakete je Umlaufzeit von 146 Takten ergibt.</translation>
    </message>
    <message>
        <source>In slow start the window grows by one packet for every ACK. The next ACK arrives soon. What will the Tx Window Size be?</source>
        <translation>Im Slow Start wächst das Fenster mit jedem ACK um ein Paket. Das nächste ACK kommt bald an. Wie groß wird die Sendefenstergröße sein?</translation>
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
        <translation>Slow Start fügt dem Fenster für jedes ACK ein Paket hinzu, solange das Fenster unter SSThresh liegt, daher verdoppelt es sich mit jeder Umlaufzeit.</translation>
    </message>
    <message>
        <source>Packet 6 was lost, and its timer is about to run out with 8 packets in flight. What will SSThresh be?</source>
        <translation>Paket 6 ging verloren, und sein Timer läuft gleich ab, mit 8 Paketen unterwegs. Wie groß wird SSThresh sein?</translation>
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
        <translation>Bei einem Timeout wird SSThresh die Hälfte der Pakete unterwegs, und das Fenster fällt auf ein Paket: Slow Start steigt dann wieder bis zum Schwellenwert.</translation>
    </message>
</context>
<context>
    <name>lesson small-sequence-space</name>
    <message>
        <source>A sequence space too small for the window</source>
        <translation>Ein Sequenznummernraum, zu klein für das Fenster</translation>
    </message>
    <message>
        <source>The highest sequence number is 3, so there are only four sequence numbers, but the windows are six packets. Packets 0 and 4 both carry sequence number 0, packets 1 and 5 both carry 1. Packet 1 is lost at tick 15; the ACKs that come back cannot say which packet they mean. Packet 1 times out at tick 174 and is resent, and at tick 320 the sender resends packet 3, which the receiver already had: it has read an ACK for the wrong packet. The sequence space must be at least twice the window to avoid this.</source>
        <translation>Die höchste Sequenznummer ist 3, es gibt also nur vier Sequenznummern, aber die Fenster umfassen sechs Pakete. Die Pakete 0 und 4 tragen beide die Sequenznummer 0, die Pakete 1 und 5 beide die 1. Paket 1 geht bei Takt 15 verloren; die zurückkommenden ACKs können nicht sagen, welches Paket sie meinen. Paket 1 läuft bei Takt 174 ab und wird erneut gesendet, und bei Takt 320 sendet der Sender Paket 3 erneut, das der Empfänger schon hatte: Er hat ein ACK dem falschen Paket zugeordnet. Der Sequenznummernraum muss mindestens doppelt so groß wie das Fenster sein, um das zu vermeiden.</translation>
    </message>
    <message>
        <source>Packet 1 was lost and its timer is about to run out. Which packets will be sent again?</source>
        <translation>Paket 1 ging verloren, und sein Timer läuft gleich ab. Welche Pakete werden erneut gesendet?</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>Paket 1</translation>
    </message>
    <message>
        <source>packet 5</source>
        <translation>Paket 5</translation>
    </message>
    <message>
        <source>packets 1 to 6</source>
        <translation>Pakete 1 bis 6</translation>
    </message>
    <message>
        <source>The timer belongs to packet 1, so packet 1 is resent. But packet 5 carries the same sequence number, 1: with only four numbers for a window of six, the ACKs cannot tell them apart.</source>
        <translation>Der Timer gehört zu Paket 1, also wird Paket 1 erneut gesendet. Aber Paket 5 trägt dieselbe Sequenznummer, 1: Mit nur vier Nummern für ein Fenster von sechs können die ACKs sie nicht unterscheiden.</translation>
    </message>
</context>
<context>
    <name>lesson tahoe-vs-reno</name>
    <message>
        <source>Tahoe against Reno: one loss, two answers to three duplicate ACKs</source>
        <translation>Tahoe gegen Reno: ein Verlust, zwei Antworten auf drei doppelte ACKs</translation>
    </message>
    <message>
        <source>Tahoe-like and Reno-like TCP side by side from one clock, with the same settings but for Tahoe&apos;s rule, and the same planned loss (p10): packet 10 is lost at tick 374 in both, while the window is 8 and still growing. The packets behind it keep arriving, each bringing back a duplicate ACK asking for packet 10, and the third one arrives at tick 516 in both (fast-retransmit marker), with the window at 12 and 11 packets in flight. Both resend packet 10 at once and set SSThresh to half the flight size, 5.5. Here they part.

Tahoe starts again from a window of 1, in slow start, and further duplicates change nothing. The ACK for the resend reaches it at tick 662 and asks for packet 21: the receiver had kept every packet behind the lost one, so the go-back-N sender has nothing more to send again. Its window climbs from there: 2 at tick 662, 4 at tick 819, 6 at tick 965.

Reno halves the window and adds three for the packets that left the network (9 at tick 516), inflates it by one for each further duplicate (16 at tick 651) and keeps sending; the first new ACK ends fast recovery at tick 673 with the window back at the threshold, kept as 5 whole packets. Both run with the timeout of 12 that Fast Retransmit sets, and neither times out: the difference is the fast retransmit alone.

At tick 1500 (goodput: packets delivered in order per 100 ticks): Tahoe-like TCP: 54 delivered, 1 retransmission, goodput 3.6. Reno-like TCP: 71 delivered, 1 retransmission, goodput 4.7.</source>
        <translation>TCP nach Art von Tahoe und von Reno nebeneinander mit einem Takt, mit denselben Einstellungen bis auf Tahoes Regel und demselben geplanten Verlust (p10): Paket 10 geht in beiden bei Takt 374 verloren, während das Fenster 8 ist und noch wächst. Die Pakete dahinter kommen weiter an und bringen jeweils ein doppeltes ACK zurück, das nach Paket 10 fragt, und das dritte kommt in beiden bei Takt 516 an (Fast-Retransmit-Markierung), bei einem Fenster von 12 und 11 Paketen unterwegs. Beide senden Paket 10 sofort erneut und setzen SSThresh auf die Hälfte der Flight Size, 5.5. Hier trennen sich ihre Wege.

Tahoe beginnt wieder bei einem Fenster von 1, im Slow Start, und weitere Duplikate ändern nichts. Das ACK für die Wiederholung erreicht es bei Takt 662 und fragt nach Paket 21: Der Empfänger hatte jedes Paket hinter dem verlorenen behalten, daher hat der Go-Back-N-Sender nichts mehr erneut zu senden. Sein Fenster steigt von dort: 2 bei Takt 662, 4 bei Takt 819, 6 bei Takt 965.

Reno halbiert das Fenster und addiert drei für die Pakete, die das Netz verlassen haben (9 bei Takt 516), vergrößert es für jedes weitere Duplikat um eins (16 bei Takt 651) und sendet weiter; das erste neue ACK beendet Fast Recovery bei Takt 673 mit dem Fenster wieder beim Schwellenwert, als 5 ganze Pakete gehalten. Beide laufen mit dem Timeout von 12, den Fast Retransmit setzt, und bei keinem läuft ein Timer ab: Der Unterschied ist allein der Fast Retransmit.

Bei Takt 1500 (Goodput: in Reihenfolge zugestellte Pakete je 100 Takte): TCP nach Art von Tahoe: 54 zugestellt, 1 Sendewiederholung, Goodput 3.6. TCP nach Art von Reno: 71 zugestellt, 1 Sendewiederholung, Goodput 4.7.</translation>
    </message>
    <message>
        <source>Tahoe-like TCP</source>
        <translation>TCP nach Art von Tahoe</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet 10 is on its way to the Tahoe-like sender, whose window is 12. What will its Tx Window Size be?</source>
        <translation>Das dritte doppelte ACK, das nach Paket 10 fragt, ist unterwegs zum Tahoe-Sender, dessen Fenster 12 ist. Wie groß wird seine Sendefenstergröße sein?</translation>
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
        <translation>Tahoes Regel sendet das fehlende Paket erneut und beginnt Slow Start wieder bei einem Fenster von einem Paket. Reno daneben halbiert das Fenster und addiert drei, 9, und erholt sich, ohne anzuhalten.</translation>
    </message>
    <message>
        <source>Reno-like TCP</source>
        <translation>TCP nach Art von Reno</translation>
    </message>
</context>
<context>
    <name>lessons</name>
    <message>
        <source>There is no lesson called &quot;%1&quot;.</source>
        <translation>Es gibt keine Lektion namens „%1“.</translation>
    </message>
</context>
<context>
    <name>links</name>
    <message>
        <source>Ignored %1=%2 in the link (%3); kept the start-up setting.</source>
        <translation>%1=%2 im Link ignoriert (%3); die Starteinstellung wurde beibehalten.</translation>
    </message>
    <message>
        <source>Ignored the unknown parameter &quot;%1&quot; in the link.</source>
        <translation>Den unbekannten Parameter „%1“ im Link ignoriert.</translation>
    </message>
    <message>
        <source>Ignored %1=%2 in the link: the lesson brings its own settings.</source>
        <translation>%1=%2 im Link ignoriert: Die Lektion bringt ihre eigenen Einstellungen mit.</translation>
    </message>
    <message>
        <source>Ignored lesson=%1 in the link. %2 The lessons are %3.</source>
        <translation>lesson=%1 im Link ignoriert. %2 Die Lektionen sind %3.</translation>
    </message>
    <message>
        <source>the protocols are %1</source>
        <translation>die Protokolle sind %1</translation>
    </message>
    <message>
        <source>not every option can be set that way</source>
        <translation>nicht jede Option lässt sich so setzen</translation>
    </message>
    <message>
        <source>options are slowstart, avoidance, fastretransmit, selective, delayedack</source>
        <translation>die Optionen sind slowstart, avoidance, fastretransmit, selective, delayedack</translation>
    </message>
    <message>
        <source>use 1 or 0</source>
        <translation>verwenden Sie 1 oder 0</translation>
    </message>
    <message>
        <source>the box cannot be changed now</source>
        <translation>das Kästchen lässt sich jetzt nicht ändern</translation>
    </message>
    <message>
        <source>use a whole number from %1 to %2</source>
        <translation>verwenden Sie eine ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>the languages are %1</source>
        <translation>die Sprachen sind %1</translation>
    </message>
    <message>
        <source>use 0.25, 0.5, 1, 2 or 4</source>
        <translation>verwenden Sie 0.25, 0.5, 1, 2 oder 4</translation>
    </message>
    <message>
        <source>And %1 more parameter of the link ignored.</source>
        <translation>Und %1 weiterer Parameter des Links ignoriert.</translation>
    </message>
    <message>
        <source>And %1 more parameters of the link ignored.</source>
        <translation>Und %1 weitere Parameter des Links ignoriert.</translation>
    </message>
    <message>
        <source>This run makes a link of %1 characters, too long for a browser&apos;s address bar (%2 at most): save it as a run file and share the file instead.</source>
        <translation>Dieser Lauf ergibt einen Link von %1 Zeichen, zu lang für die Adressleiste eines Browsers (höchstens %2): Speichern Sie ihn als Laufdatei und teilen Sie stattdessen die Datei.</translation>
    </message>
    <message>
        <source>The link to this run has %1 characters, more than a QR code holds (%2): share the link itself or the run file instead.</source>
        <translation>Der Link zu diesem Lauf hat %1 Zeichen, mehr als ein QR-Code fasst (%2): Teilen Sie stattdessen den Link selbst oder die Laufdatei.</translation>
    </message>
    <message>
        <source>The run in this link cannot be opened. The link is damaged: part of it may have been cut off when it was copied. Copy the whole link again.</source>
        <translation>Der Lauf in diesem Link kann nicht geöffnet werden. Der Link ist beschädigt: Ein Teil davon wurde beim Kopieren vielleicht abgeschnitten. Kopieren Sie den ganzen Link noch einmal.</translation>
    </message>
    <message>
        <source>The run in this link cannot be opened. %1</source>
        <translation>Der Lauf in diesem Link kann nicht geöffnet werden. %1</translation>
    </message>
    <message>
        <source>the code on the projector gives the whole link</source>
        <translation>der Code am Projektor liefert den ganzen Link</translation>
    </message>
</context>
<context>
    <name>log</name>
    <message>
        <source>packet %1 dropped: out of order</source>
        <translation>Paket %1 verworfen: außer der Reihe</translation>
    </message>
    <message>
        <source>%1: the clock is paused; Cont goes on as a live run</source>
        <translation>%1: Der Takt ist angehalten; Cont macht als Live-Lauf weiter</translation>
    </message>
    <message>
        <source>Your own action at tick %1: the recorded run from here on is dropped and this run goes on as a new branch</source>
        <translation>Ihre eigene Aktion bei Takt %1: Der aufgezeichnete Lauf ab hier wird verworfen, und dieser Lauf geht als neuer Zweig weiter</translation>
    </message>
    <message>
        <source>Opened the run file (%1 ticks): it plays as recorded while the clock runs; an action of your own branches it</source>
        <translation>Laufdatei geöffnet (%1 Takte): Sie spielt wie aufgezeichnet ab, während der Takt läuft; eine eigene Aktion verzweigt sie</translation>
    </message>
    <message>
        <source>Opened &quot;%2&quot; (%1 ticks): it plays as recorded while the clock runs; an action of your own branches it</source>
        <translation>„%2“ geöffnet (%1 Takte): Sie spielt wie aufgezeichnet ab, während der Takt läuft; eine eigene Aktion verzweigt sie</translation>
    </message>
    <message>
        <source>Run %1 dropped from the record to stay within the memory budget (%2)</source>
        <translation>Lauf %1 aus der Aufzeichnung entfernt, um im Speicherbudget zu bleiben (%2)</translation>
    </message>
    <message>
        <source>Ticks %1 to %2 of this run dropped to stay within the memory budget (%3): rewinds now reach back to tick %4</source>
        <translation>Takte %1 bis %2 dieses Laufs verworfen, um im Speicherbudget zu bleiben (%3): Zurückspulen reicht jetzt bis Takt %4</translation>
    </message>
    <message>
        <source>packet %1 lost</source>
        <translation>Paket %1 verloren</translation>
    </message>
    <message>
        <source>ACK asking for sequence number %1 lost</source>
        <translation>ACK, das nach Sequenznummer %1 fragt, verloren</translation>
    </message>
    <message>
        <source>packet %1 held</source>
        <translation>Paket %1 angehalten</translation>
    </message>
    <message>
        <source>ACK asking for sequence number %1 held</source>
        <translation>ACK, das nach Sequenznummer %1 fragt, angehalten</translation>
    </message>
    <message>
        <source>packet %1 released</source>
        <translation>Paket %1 losgelassen</translation>
    </message>
    <message>
        <source>ACK asking for sequence number %1 released</source>
        <translation>ACK, das nach Sequenznummer %1 fragt, losgelassen</translation>
    </message>
    <message>
        <source>timeout set to %1</source>
        <translation>Timeout auf %1 gesetzt</translation>
    </message>
    <message>
        <source>transmit window set to %1</source>
        <translation>Sendefenster auf %1 gesetzt</translation>
    </message>
    <message>
        <source>receive window set to %1</source>
        <translation>Empfangsfenster auf %1 gesetzt</translation>
    </message>
    <message>
        <source>highest sequence number set to %1</source>
        <translation>Höchste Sequenznummer auf %1 gesetzt</translation>
    </message>
    <message>
        <source>%1 pressed</source>
        <translation>%1 gedrückt</translation>
    </message>
    <message>
        <source>%1 on</source>
        <translation>%1 ein</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1 aus</translation>
    </message>
</context>
<context>
    <name>losses</name>
    <message>
        <source>A plan holds at most %1 losses.</source>
        <translation>Ein Plan umfasst höchstens %1 Verluste.</translation>
    </message>
    <message>
        <source>The planned loss &quot;%1&quot; is not p or a with a packet number, such as p5, p7.2 or a9.</source>
        <translation>Der geplante Verlust „%1“ ist nicht p oder a mit einer Paketnummer, etwa p5, p7.2 oder a9.</translation>
    </message>
    <message>
        <source>packet %1</source>
        <translation>Paket %1</translation>
    </message>
    <message>
        <source>the ACK for packet %1</source>
        <translation>das ACK für Paket %1</translation>
    </message>
    <message>
        <source>packet %1 (transmission %2)</source>
        <translation>Paket %1 (Übertragung %2)</translation>
    </message>
    <message>
        <source>the ACK for packet %1 (transmission %2)</source>
        <translation>das ACK für Paket %1 (Übertragung %2)</translation>
    </message>
    <message>
        <source>No losses</source>
        <translation>Keine Verluste</translation>
    </message>
    <message>
        <source>%1 % of packets, %2 % of ACKs</source>
        <translation>%1 % der Pakete, %2 % der ACKs</translation>
    </message>
    <message>
        <source>%1 % of packets</source>
        <translation>%1 % der Pakete</translation>
    </message>
    <message>
        <source>%1 % of ACKs</source>
        <translation>%1 % der ACKs</translation>
    </message>
    <message>
        <source>Losses: %1 planned</source>
        <translation>Verluste: %1 geplant</translation>
    </message>
    <message>
        <source>Losses: %1 (seed %2)</source>
        <translation>Verluste: %1 (Startwert %2)</translation>
    </message>
    <message>
        <source>Losses: %1 (seed %2), %3 planned</source>
        <translation>Verluste: %1 (Startwert %2), %3 geplant</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>Lost by click: %1</source>
        <translation>Durch Klick verloren: %1</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>Quill&apos;s Sliding Window Demo</source>
        <translation>Quills Sliding-Window-Demo</translation>
    </message>
    <message>
        <source>Quill&apos;s Sliding Window Demo needs JavaScript: please allow scripts for this page.</source>
        <translation>Quills Sliding-Window-Demo braucht JavaScript: Bitte erlauben Sie Skripte für diese Seite.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The window&apos;s controls at finger size</source>
        <translation>Die Bedienelemente des Fensters in Fingergröße</translation>
    </message>
    <message>
        <source>Run controls, chart and log</source>
        <translation>Laufsteuerung, Diagramm und Protokoll</translation>
    </message>
    <message>
        <source>Step back one tick (Ctrl+Left)</source>
        <translation>Einen Takt zurück (Strg+Links)</translation>
    </message>
    <message>
        <source>◀ Step Back</source>
        <translation>◀ Zurück</translation>
    </message>
    <message>
        <source>Step one tick; pauses a running clock first (Ctrl+Right)</source>
        <translation>Einen Takt weiter; hält einen laufenden Takt zuerst an (Strg+Rechts)</translation>
    </message>
    <message>
        <source>Step ▶</source>
        <translation>Schritt ▶</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Protocol: custom</source>
        <translation>Protokoll: eigenes</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Colour-blind safe colours</source>
        <translation>Farben für Farbenblinde</translation>
    </message>
    <message>
        <source>State marks</source>
        <translation>Zustandszeichen</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legende</translation>
    </message>
    <message>
        <source>Open a saved run file; you can also drop one on the page</source>
        <translation>Eine gespeicherte Laufdatei öffnen; Sie können sie auch auf die Seite ziehen</translation>
    </message>
    <message>
        <source>Open run…</source>
        <translation>Lauf öffnen…</translation>
    </message>
    <message>
        <source>Download this run as a run file</source>
        <translation>Diesen Lauf als Laufdatei herunterladen</translation>
    </message>
    <message>
        <source>Save run</source>
        <translation>Lauf speichern</translation>
    </message>
    <message>
        <source>Download this run as a packet capture (.pcap) for Wireshark, seen at the sender</source>
        <translation>Diesen Lauf als Paketmitschnitt (.pcap) für Wireshark herunterladen, aus Sicht des Senders</translation>
    </message>
    <message>
        <source>Save capture</source>
        <translation>Mitschnitt speichern</translation>
    </message>
    <message>
        <source>Open a built-in lesson</source>
        <translation>Eine eingebaute Lektion öffnen</translation>
    </message>
    <message>
        <source>Lessons…</source>
        <translation>Lektionen…</translation>
    </message>
    <message>
        <source>Packets and ACKs the network loses: at random or planned</source>
        <translation>Pakete und ACKs, die das Netz verliert: zufällig oder geplant</translation>
    </message>
    <message>
        <source>Network…</source>
        <translation>Netzwerk…</translation>
    </message>
    <message>
        <source>Run two or three protocols side by side with the same losses</source>
        <translation>Zwei oder drei Protokolle nebeneinander mit denselben Verlusten ausführen</translation>
    </message>
    <message>
        <source>Compare…</source>
        <translation>Vergleichen…</translation>
    </message>
    <message>
        <source>Copy a link that opens the page with these settings</source>
        <translation>Einen Link kopieren, der die Seite mit diesen Einstellungen öffnet</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Link to these settings</source>
        <translation>Link zu diesen Einstellungen</translation>
    </message>
    <message>
        <source>Transmit window, threshold, flight size and receive window against the tick</source>
        <translation>Sendefenster, Schwellenwert, Flight Size und Empfangsfenster über dem Takt</translation>
    </message>
    <message>
        <source>Rewind to Cursor</source>
        <translation>Zum Cursor zurückspulen</translation>
    </message>
    <message>
        <source>This run&apos;s figures</source>
        <translation>Kennzahlen dieses Laufs</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Sender</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>Ereignisprotokoll</translation>
    </message>
    <message>
        <source>Time-Sequence Diagram</source>
        <translation>Weg-Zeit-Diagramm</translation>
    </message>
    <message>
        <source>From tick</source>
        <translation>Von Takt</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Download these ticks of the diagram as an SVG drawing</source>
        <translation>Diese Takte des Diagramms als SVG-Zeichnung herunterladen</translation>
    </message>
    <message>
        <source>Save diagram (SVG)</source>
        <translation>Diagramm speichern (SVG)</translation>
    </message>
    <message>
        <source>Time-sequence diagram of the run: sender left, receiver right, time downward</source>
        <translation>Weg-Zeit-Diagramm des Laufs: Sender links, Empfänger rechts, Zeit nach unten</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>Back to the single window</source>
        <translation>Zurück zum einzelnen Fenster</translation>
    </message>
    <message>
        <source>◀ One window</source>
        <translation>◀ Ein Fenster</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Step all of them back one tick (Ctrl+Left)</source>
        <translation>Alle einen Takt zurück (Strg+Links)</translation>
    </message>
    <message>
        <source>Step all of them one tick (Ctrl+Right)</source>
        <translation>Alle einen Takt weiter (Strg+Rechts)</translation>
    </message>
    <message>
        <source>Download the comparison as one run file</source>
        <translation>Den Vergleich als eine Laufdatei herunterladen</translation>
    </message>
    <message>
        <source>Save comparison</source>
        <translation>Vergleich speichern</translation>
    </message>
    <message>
        <source>Copy a link that opens the page with this comparison</source>
        <translation>Einen Link kopieren, der die Seite mit diesem Vergleich öffnet</translation>
    </message>
    <message>
        <source>Link to this comparison</source>
        <translation>Link zu diesem Vergleich</translation>
    </message>
    <message>
        <source>Each configuration&apos;s transmit window (thick) and goodput (thin) against the tick</source>
        <translation>Sendefenster (dick) und Goodput (dünn) jeder Konfiguration über dem Takt</translation>
    </message>
    <message>
        <source>Figures of each configuration</source>
        <translation>Kennzahlen jeder Konfiguration</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>A lost packet or ACK is taken off halfway across, as a double click on it would. The same seed loses the same packets under every protocol.</source>
        <translation>Ein verlorenes Paket oder ACK wird auf halbem Weg entfernt, wie es ein Doppelklick täte. Derselbe Startwert verliert bei jedem Protokoll dieselben Pakete.</translation>
    </message>
    <message>
        <source>Packets lost</source>
        <translation>Verlorene Pakete</translation>
    </message>
    <message>
        <source>ACKs lost</source>
        <translation>Verlorene ACKs</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Startwert</translation>
    </message>
    <message>
        <source>Planned losses</source>
        <translation>Geplante Verluste</translation>
    </message>
    <message>
        <source>What is lost</source>
        <translation>Was verloren geht</translation>
    </message>
    <message>
        <source>Packet</source>
        <translation>Paket</translation>
    </message>
    <message>
        <source>The ACK for packet</source>
        <translation>Das ACK für Paket</translation>
    </message>
    <message>
        <source>Packet number</source>
        <translation>Paketnummer</translation>
    </message>
    <message>
        <source>transmission</source>
        <translation>Übertragung</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>Side by side from one clock, with the losses set under Network.</source>
        <translation>Nebeneinander mit einem Takt, mit den unter Netzwerk eingestellten Verlusten.</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Erste</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Zweite</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Dritte</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Tick %1</source>
        <translation>Takt %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Practice: on</source>
        <translation>Übung: an</translation>
    </message>
    <message>
        <source>Score: %1 of %2 right</source>
        <translation>Punkte: %1 von %2 richtig</translation>
    </message>
    <message>
        <source>Summary copied</source>
        <translation>Zusammenfassung kopiert</translation>
    </message>
    <message>
        <source>QR code</source>
        <translation>QR-Code</translation>
    </message>
    <message>
        <source>Scan to open this run (%1 characters).</source>
        <translation>Scannen, um diesen Lauf zu öffnen (%1 Zeichen).</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Link kopiert</translation>
    </message>
    <message>
        <source>Copy the link beside</source>
        <translation>Den Link daneben kopieren</translation>
    </message>
    <message>
        <source>Rewind to a tick, or play on to a later one, and pause there (Ctrl+G)</source>
        <translation>Zu einem Takt zurückspulen oder bis zu einem späteren weiterspielen und dort anhalten (Strg+G)</translation>
    </message>
    <message>
        <source>Go to Tick…</source>
        <translation>Gehe zu Takt…</translation>
    </message>
    <message>
        <source>Download a view of this run as a picture for a slide, or its figures as CSV</source>
        <translation>Eine Ansicht dieses Laufs als Bild für eine Folie herunterladen, oder seine Kennzahlen als CSV</translation>
    </message>
    <message>
        <source>Download picture…</source>
        <translation>Bild herunterladen…</translation>
    </message>
    <message>
        <source>Download the comparison&apos;s windows, diagrams, chart and table as one picture, or its figures as CSV</source>
        <translation>Fenster, Weg-Zeit-Diagramme, Diagramm und Tabelle des Vergleichs als ein Bild herunterladen, oder seine Kennzahlen als CSV</translation>
    </message>
    <message>
        <source>Download picture</source>
        <translation>Bild herunterladen</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>The window</source>
        <translation>Das Fenster</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>Das Diagramm</translation>
    </message>
    <message>
        <source>The time-sequence diagram</source>
        <translation>Das Weg-Zeit-Diagramm</translation>
    </message>
    <message>
        <source>The table of figures</source>
        <translation>Die Kennzahlentabelle</translation>
    </message>
    <message>
        <source>Show together</source>
        <translation>Zusammen zeigen</translation>
    </message>
    <message>
        <source>The windows</source>
        <translation>Die Fenster</translation>
    </message>
    <message>
        <source>The time-sequence diagrams</source>
        <translation>Die Weg-Zeit-Diagramme</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>SVG-Zeichnung</translation>
    </message>
    <message>
        <source>The figures as CSV</source>
        <translation>Die Kennzahlen als CSV</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Title line</source>
        <translation>Titelzeile</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Tick at least one view to put in the picture.</source>
        <translation>Kreuzen Sie mindestens eine Ansicht an, die ins Bild soll.</translation>
    </message>
    <message>
        <source>The browser could not draw a picture this large: try a smaller width and height.</source>
        <translation>Der Browser konnte kein so großes Bild zeichnen: Versuchen Sie eine kleinere Breite und Höhe.</translation>
    </message>
    <message>
        <source>Time-Sequence Diagrams</source>
        <translation>Weg-Zeit-Diagramme</translation>
    </message>
    <message>
        <source>Time-sequence diagram of %1: sender left, receiver right, time downward</source>
        <translation>Weg-Zeit-Diagramm von %1: Sender links, Empfänger rechts, Zeit nach unten</translation>
    </message>
</context>
<context>
    <name>practice</name>
    <message>
        <source>Question withdrawn: the run changed before the event it was about.</source>
        <translation>Frage zurückgezogen: Der Lauf hat sich vor dem Ereignis geändert, um das es ging.</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right.</source>
        <translation>Sliding-Window-Übung: %1 von %2 Antworten richtig.</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right, %3 skipped, %4 withdrawn.</source>
        <translation>Sliding-Window-Übung: %1 von %2 Antworten richtig, %3 übersprungen, %4 zurückgezogen.</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right, %3 skipped.</source>
        <translation>Sliding-Window-Übung: %1 von %2 Antworten richtig, %3 übersprungen.</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right, %4 withdrawn.</source>
        <translation>Sliding-Window-Übung: %1 von %2 Antworten richtig, %4 zurückgezogen.</translation>
    </message>
    <message>
        <source>Withdrawn: the run was changed before the event.</source>
        <translation>Zurückgezogen: Der Lauf wurde vor dem Ereignis geändert.</translation>
    </message>
    <message>
        <source>Skipped.</source>
        <translation>Übersprungen.</translation>
    </message>
    <message>
        <source>The run gave: %1.</source>
        <translation>Der Lauf ergab: %1.</translation>
    </message>
    <message>
        <source>Answer: %1.</source>
        <translation>Antwort: %1.</translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>Richtig.</translation>
    </message>
    <message>
        <source>Wrong: the run gave %1.</source>
        <translation>Falsch: Der Lauf ergab %1.</translation>
    </message>
    <message>
        <source>packet %1</source>
        <translation>Paket %1</translation>
    </message>
    <message>
        <source>no packet</source>
        <translation>kein Paket</translation>
    </message>
    <message>
        <source>packets %1 to %2</source>
        <translation>Pakete %1 bis %2</translation>
    </message>
    <message>
        <source>packets %1 and %2</source>
        <translation>Pakete %1 und %2</translation>
    </message>
    <message>
        <source>sets SSThresh to half the flight size (%1 packet in flight), never below 2 packets</source>
        <translation>setzt SSThresh auf die Hälfte der Flight Size (%1 Paket unterwegs), nie unter 2 Pakete</translation>
    </message>
    <message>
        <source>sets SSThresh to half the flight size (%1 packets in flight), never below 2 packets</source>
        <translation>setzt SSThresh auf die Hälfte der Flight Size (%1 Pakete unterwegs), nie unter 2 Pakete</translation>
    </message>
    <message>
        <source>sets SSThresh to the transmit window (%1 packet; with Avoidance on it would take half the flight size), never below 2 packets</source>
        <translation>setzt SSThresh auf das Sendefenster (%1 Paket; mit Überlastvermeidung nähme es die Hälfte der Flight Size), nie unter 2 Pakete</translation>
    </message>
    <message>
        <source>sets SSThresh to the transmit window (%1 packets; with Avoidance on it would take half the flight size), never below 2 packets</source>
        <translation>setzt SSThresh auf das Sendefenster (%1 Pakete; mit Überlastvermeidung nähme es die Hälfte der Flight Size), nie unter 2 Pakete</translation>
    </message>
    <message>
        <source>The go-back-N sender then goes back: every later packet not yet acknowledged is queued again, oldest first, one a tick as the window allows, which slow start opens again from one packet; an ACK that covers packets the receiver kept spares them.</source>
        <translation>Der Go-Back-N-Sender geht dann zurück: Jedes spätere, noch nicht bestätigte Paket wird erneut eingereiht, das älteste zuerst, eines pro Takt, wie es das Fenster erlaubt, das Slow Start wieder von einem Paket an öffnet; ein ACK, das Pakete abdeckt, die der Empfänger behalten hat, erspart sie.</translation>
    </message>
    <message>
        <source>The go-back-N sender then goes back: every later packet not yet acknowledged is queued again, oldest first, one a tick while they fit in the window.</source>
        <translation>Der Go-Back-N-Sender geht dann zurück: Jedes spätere, noch nicht bestätigte Paket wird erneut eingereiht, das älteste zuerst, eines pro Takt, solange sie ins Fenster passen.</translation>
    </message>
    <message>
        <source>No new packet leaves until the round is over.</source>
        <translation>Kein neues Paket geht los, bevor die Runde vorbei ist.</translation>
    </message>
    <message>
        <source>No new packet leaves until the round is over: here only packet %1 is sent again, since the ACK for it covers the packets behind it, which the receiver kept.</source>
        <translation>Kein neues Paket geht los, bevor die Runde vorbei ist: Hier wird nur Paket %1 erneut gesendet, da sein ACK die Pakete dahinter abdeckt, die der Empfänger behalten hat.</translation>
    </message>
    <message>
        <source>No new packet leaves until the round is over: here it sends %1 again.</source>
        <translation>Kein neues Paket geht los, bevor die Runde vorbei ist: Hier sendet er %1 erneut.</translation>
    </message>
    <message>
        <source>Retransmission timeout.</source>
        <translation>Timeout der Sendewiederholung.</translation>
    </message>
    <message>
        <source>Packet %1&apos;s timer ran out before an ACK covered it, so the sender takes it for lost.</source>
        <translation>Der Timer von Paket %1 lief ab, bevor ein ACK es abdeckte, daher hält der Sender es für verloren.</translation>
    </message>
    <message>
        <source>keeps the SSThresh that fast retransmit set (never below 2 packets)</source>
        <translation>behält den SSThresh, den Fast Retransmit gesetzt hat (nie unter 2 Paketen)</translation>
    </message>
    <message>
        <source>It %1, enters the TimedOut state, drops the Tx Window to one packet (slow start begins again) and queues %2 again.</source>
        <translation>Er %1, geht in den Zustand TimedOut, senkt das Sendefenster auf ein Paket (Slow Start beginnt von vorn) und reiht %2 erneut ein.</translation>
    </message>
    <message>
        <source>It %1, enters the TimedOut state and queues %2 again.</source>
        <translation>Er %1, geht in den Zustand TimedOut und reiht %2 erneut ein.</translation>
    </message>
    <message>
        <source>With Selective Repeat the other packets keep their timers: only what timed out is resent.</source>
        <translation>Mit Selective Repeat behalten die anderen Pakete ihre Timer: Nur was abgelaufen ist, wird erneut gesendet.</translation>
    </message>
    <message>
        <source>This sender, as the original program&apos;s, does not go back at once: the timers of the later packets stop, and each is sent again only when it has become the oldest unacknowledged packet, a round trip apiece.</source>
        <translation>Dieser Sender geht, wie der des ursprünglichen Programms, nicht sofort zurück: Die Timer der späteren Pakete halten an, und jedes wird erst erneut gesendet, wenn es das älteste unbestätigte Paket geworden ist, eine Umlaufzeit für jedes.</translation>
    </message>
    <message>
        <source>A textbook go-back-N sender would resend them all now (the option &quot;Sender resends the whole window on a timeout&quot;).</source>
        <translation>Ein Go-Back-N-Sender wie im Lehrbuch würde sie jetzt alle erneut senden (die Option „Sender resends the whole window on a timeout“).</translation>
    </message>
    <message>
        <source>Fast retransmit under Tahoe&apos;s rule.</source>
        <translation>Fast Retransmit nach Tahoes Regel.</translation>
    </message>
    <message>
        <source>Fast retransmit.</source>
        <translation>Fast Retransmit.</translation>
    </message>
    <message>
        <source>Three duplicate ACKs in a row tell the sender that packet %1 is missing while later packets still arrive.</source>
        <translation>Drei doppelte ACKs hintereinander sagen dem Sender, dass Paket %1 fehlt, während spätere Pakete noch ankommen.</translation>
    </message>
    <message>
        <source>Without waiting for its timer the sender resends packet %1 and sets SSThresh to half the flight size (%2 packet in flight, never below 2).</source>
        <translation>Ohne auf seinen Timer zu warten, sendet der Sender Paket %1 erneut und setzt SSThresh auf die Hälfte der Flight Size (%2 Paket unterwegs, nie unter 2).</translation>
    </message>
    <message>
        <source>Without waiting for its timer the sender resends packet %1 and sets SSThresh to half the flight size (%2 packets in flight, never below 2).</source>
        <translation>Ohne auf seinen Timer zu warten, sendet der Sender Paket %1 erneut und setzt SSThresh auf die Hälfte der Flight Size (%2 Pakete unterwegs, nie unter 2).</translation>
    </message>
    <message>
        <source>As TCP Tahoe does, it drops the Tx Window to one packet and starts slow start again: there is no fast recovery, and further duplicate ACKs change nothing.</source>
        <translation>Wie TCP Tahoe senkt er das Sendefenster auf ein Paket und beginnt Slow Start von vorn: Es gibt kein Fast Recovery, und weitere doppelte ACKs ändern nichts.</translation>
    </message>
    <message>
        <source>It sets the Tx Window to half the window plus three packets, for the three that left the network (here %1, never above the receiver&apos;s window), and enters FastRetransmit; each further duplicate ACK inflates the window by one packet until a new ACK ends fast recovery.</source>
        <translation>Er setzt das Sendefenster auf die Hälfte des Fensters plus drei Pakete, für die drei, die das Netz verlassen haben (hier %1, nie über dem Fenster des Empfängers), und geht in den Zustand FastRetransmit; jedes weitere doppelte ACK vergrößert das Fenster um ein Paket, bis ein neues ACK Fast Recovery beendet.</translation>
    </message>
    <message>
        <source>The textbooks (RFC 5681) start from the new SSThresh plus three, %1 here too: this model halves the window, as the original program does, which differs whenever the window and the flight size do.</source>
        <translation>Die Lehrbücher (RFC 5681) beginnen beim neuen SSThresh plus drei, auch hier %1: Dieses Modell halbiert das Fenster, wie das ursprüngliche Programm, was immer dann abweicht, wenn Fenster und Flight Size verschieden sind.</translation>
    </message>
    <message>
        <source>The textbooks (RFC 5681) start from the new SSThresh plus three, %1 here: this model halves the window, as the original program does, which differs whenever the window and the flight size do.</source>
        <translation>Die Lehrbücher (RFC 5681) beginnen beim neuen SSThresh plus drei, hier %1: Dieses Modell halbiert das Fenster, wie das ursprüngliche Programm, was immer dann abweicht, wenn Fenster und Flight Size verschieden sind.</translation>
    </message>
    <message>
        <source>Fast recovery: every further duplicate ACK means another packet has left the network, so the Tx Window is inflated by one packet.</source>
        <translation>Fast Recovery: Jedes weitere doppelte ACK bedeutet, dass ein weiteres Paket das Netz verlassen hat, daher wird das Sendefenster um ein Paket vergrößert.</translation>
    </message>
    <message>
        <source>A new ACK ends fast recovery: the Tx Window drops back to SSThresh (%1 packets).</source>
        <translation>Ein neues ACK beendet Fast Recovery: Das Sendefenster fällt zurück auf SSThresh (%1 Pakete).</translation>
    </message>
    <message>
        <source>After a timeout every new ACK sets the Tx Window to the loss window of one packet, until the resent packet itself is acknowledged and slow start takes over.</source>
        <translation>Nach einem Timeout setzt jedes neue ACK das Sendefenster auf das Verlustfenster von einem Paket, bis das erneut gesendete Paket selbst bestätigt ist und Slow Start übernimmt.</translation>
    </message>
    <message>
        <source>Congestion avoidance: at or above SSThresh each new ACK adds one packet divided by the window in packets, which in the textbooks grows the window by about one packet per round trip.</source>
        <translation>Überlastvermeidung: Bei oder über SSThresh fügt jedes neue ACK ein Paket geteilt durch das Fenster in Paketen hinzu, was in den Lehrbüchern das Fenster um etwa ein Paket je Umlaufzeit wachsen lässt.</translation>
    </message>
    <message>
        <source>This model, as the original program does, snaps the window to whole packets as soon as it rounds to the next one, which adds the rest of that packet at once: the window grows faster than one packet per round trip.</source>
        <translation>Dieses Modell rundet, wie das ursprüngliche Programm, das Fenster auf ganze Pakete, sobald es auf das nächste gerundet wird, was den Rest dieses Pakets auf einmal hinzufügt: Das Fenster wächst schneller als ein Paket je Umlaufzeit.</translation>
    </message>
    <message>
        <source>Slow start: each new ACK grows the Tx Window by one packet, however many packets it acknowledges, so the window doubles every round trip until it reaches SSThresh.</source>
        <translation>Slow Start: Jedes neue ACK vergrößert das Sendefenster um ein Paket, egal wie viele Pakete es bestätigt, daher verdoppelt sich das Fenster mit jeder Umlaufzeit, bis es SSThresh erreicht.</translation>
    </message>
    <message>
        <source>Slow start: each new ACK grows the Tx Window by one packet, however many packets it acknowledges, so the window doubles every round trip.</source>
        <translation>Slow Start: Jedes neue ACK vergrößert das Sendefenster um ein Paket, egal wie viele Pakete es bestätigt, daher verdoppelt sich das Fenster mit jeder Umlaufzeit.</translation>
    </message>
    <message>
        <source>Selective repeat without slow start: each duplicate ACK opens the Tx Window by one packet while the holes are resent.</source>
        <translation>Selective Repeat ohne Slow Start: Jedes doppelte ACK öffnet das Sendefenster um ein Paket, während die Lücken erneut gesendet werden.</translation>
    </message>
    <message>
        <source>Selective repeat without slow start: the first new ACK after the duplicates restores the smallest window seen while they arrived.</source>
        <translation>Selective Repeat ohne Slow Start: Das erste neue ACK nach den Duplikaten stellt das kleinste Fenster wieder her, das während ihrer Ankunft bestand.</translation>
    </message>
    <message>
        <source>The Tx Window never grows beyond the receiver&apos;s window (Rx Window Size).</source>
        <translation>Das Sendefenster wächst nie über das Fenster des Empfängers hinaus (Empfangsfenstergröße).</translation>
    </message>
    <message>
        <source>the cell of packet %1</source>
        <translation>die Zelle von Paket %1</translation>
    </message>
    <message>
        <source>none: it is dropped</source>
        <translation>keine: Es wird verworfen</translation>
    </message>
    <message>
        <source>Packet %1 (sequence number %2) reaches the receiver in %3 tick.</source>
        <translation>Paket %1 (Sequenznummer %2) erreicht den Empfänger in %3 Takt.</translation>
    </message>
    <message>
        <source>Packet %1 (sequence number %2) reaches the receiver in %3 ticks.</source>
        <translation>Paket %1 (Sequenznummer %2) erreicht den Empfänger in %3 Takten.</translation>
    </message>
    <message>
        <source>An ACK asking for packet %1 reaches the sender in %2 tick.</source>
        <translation>Ein ACK, das nach Paket %1 fragt, erreicht den Sender in %2 Takt.</translation>
    </message>
    <message>
        <source>An ACK asking for packet %1 reaches the sender in %2 ticks.</source>
        <translation>Ein ACK, das nach Paket %1 fragt, erreicht den Sender in %2 Takten.</translation>
    </message>
    <message>
        <source>Which packet will the receiver ask for next?</source>
        <translation>Nach welchem Paket fragt der Empfänger als Nächstes?</translation>
    </message>
    <message>
        <source>What will the Tx Window Size be?</source>
        <translation>Wie groß wird die Sendefenstergröße sein?</translation>
    </message>
    <message>
        <source>Packet %1&apos;s timer runs out in %2 tick.</source>
        <translation>Der Timer von Paket %1 läuft in %2 Takt ab.</translation>
    </message>
    <message>
        <source>Packet %1&apos;s timer runs out in %2 ticks.</source>
        <translation>Der Timer von Paket %1 läuft in %2 Takten ab.</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet %1 reaches the sender in %2 tick.</source>
        <translation>Das dritte doppelte ACK, das nach Paket %1 fragt, erreicht den Sender in %2 Takt.</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet %1 reaches the sender in %2 ticks.</source>
        <translation>Das dritte doppelte ACK, das nach Paket %1 fragt, erreicht den Sender in %2 Takten.</translation>
    </message>
    <message>
        <source>What will SSThresh be?</source>
        <translation>Wie groß wird SSThresh sein?</translation>
    </message>
    <message>
        <source>Which packets will the sender send again before it sends a new one?</source>
        <translation>Welche Pakete sendet der Sender erneut, bevor er ein neues sendet?</translation>
    </message>
    <message>
        <source>Which packets will the sender queue to send again right then?</source>
        <translation>Welche Pakete reiht der Sender in diesem Moment zum erneuten Senden ein?</translation>
    </message>
    <message>
        <source>In-order receiver.</source>
        <translation>Empfänger, der nur in Reihenfolge annimmt.</translation>
    </message>
    <message>
        <source>This receiver keeps only the packet it expects next, packet %1 (sequence number %2).</source>
        <translation>Dieser Empfänger behält nur das Paket, das er als Nächstes erwartet, Paket %1 (Sequenznummer %2).</translation>
    </message>
    <message>
        <source>Packet %1 is dropped, and the receiver answers at once with an ACK asking again for packet %2: an ACK always names the next packet awaited, never the one that arrived.</source>
        <translation>Paket %1 wird verworfen, und der Empfänger antwortet sofort mit einem ACK, das erneut nach Paket %2 fragt: Ein ACK nennt immer das nächste erwartete Paket, nie das angekommene.</translation>
    </message>
    <message>
        <source>The sender will have to send every later packet again.</source>
        <translation>Der Sender wird jedes spätere Paket erneut senden müssen.</translation>
    </message>
    <message>
        <source>Which cell of the receiver&apos;s strip will take it in?</source>
        <translation>Welche Zelle im Streifen des Empfängers nimmt es an?</translation>
    </message>
    <message>
        <source>Sequence-number aliasing.</source>
        <translation>Mehrdeutige Sequenznummern.</translation>
    </message>
    <message>
        <source>The receiver knows a packet only by its sequence number, the packet number Mod %1.</source>
        <translation>Der Empfänger kennt ein Paket nur an seiner Sequenznummer, der Paketnummer Mod %1.</translation>
    </message>
    <message>
        <source>Packet %1 carries sequence number %2, and so does packet %3 inside the receive window, so the receiver takes it in as that packet: the cell turns dark red.</source>
        <translation>Paket %1 trägt die Sequenznummer %2, ebenso Paket %3 im Empfangsfenster, daher nimmt der Empfänger es als jenes Paket an: Die Zelle wird dunkelrot.</translation>
    </message>
    <message>
        <source>The sequence space (Max Sequence No) is too small for the windows; it must hold the sender&apos;s and the receiver&apos;s windows together.</source>
        <translation>Der Sequenznummernraum (Höchste Sequenznummer) ist zu klein für die Fenster; er muss das Fenster des Senders und das des Empfängers zusammen fassen.</translation>
    </message>
    <message>
        <source>Cumulative acknowledgement.</source>
        <translation>Kumulative Bestätigung.</translation>
    </message>
    <message>
        <source>Packet %1 is the packet the receiver was waiting for, and the packets after it had already arrived and been kept.</source>
        <translation>Paket %1 ist das Paket, auf das der Empfänger gewartet hat, und die Pakete danach waren schon angekommen und behalten worden.</translation>
    </message>
    <message>
        <source>Its arrival completes the run, so the receive window slides past all of them and the ACK asks for packet %1, the first packet still missing, not for packet %2.</source>
        <translation>Seine Ankunft vervollständigt die Folge, daher gleitet das Empfangsfenster an allen vorbei, und das ACK fragt nach Paket %1, dem ersten noch fehlenden Paket, nicht nach Paket %2.</translation>
    </message>
    <message>
        <source>Which packet will the sender&apos;s window start at?</source>
        <translation>Bei welchem Paket beginnt das Fenster des Senders?</translation>
    </message>
    <message>
        <source>An ACK names the next packet the receiver awaits, so it acknowledges every packet before that one.</source>
        <translation>Ein ACK nennt das nächste Paket, das der Empfänger erwartet, daher bestätigt es jedes Paket davor.</translation>
    </message>
    <message>
        <source>The sender blackens them, stops their timers and slides its window on to the oldest packet still unacknowledged, packet %1.</source>
        <translation>Der Sender schwärzt sie, hält ihre Timer an und schiebt sein Fenster weiter bis zum ältesten noch unbestätigten Paket, Paket %1.</translation>
    </message>
</context>
<context>
    <name>protocols</name>
    <message>
        <source>&quot;%1&quot; is not a protocol; the protocols are %2.</source>
        <translation>„%1“ ist kein Protokoll; die Protokolle sind %2.</translation>
    </message>
    <message>
        <source>A comparison runs two or three protocols, not %1.</source>
        <translation>Ein Vergleich führt zwei oder drei Protokolle aus, nicht %1.</translation>
    </message>
    <message>
        <source>Stop-and-wait</source>
        <translation>Stop-and-Wait</translation>
    </message>
    <message>
        <source>Go-back-N (textbook)</source>
        <translation>Go-Back-N (Lehrbuch)</translation>
    </message>
    <message>
        <source>Selective repeat</source>
        <translation>Selective Repeat</translation>
    </message>
    <message>
        <source>Tahoe-like TCP</source>
        <translation>TCP nach Art von Tahoe</translation>
    </message>
    <message>
        <source>Reno-like TCP</source>
        <translation>TCP nach Art von Reno</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>eigenes</translation>
    </message>
    <message>
        <source>Receiver keeps out-of-order packets</source>
        <translation>Empfänger behält Pakete außer der Reihe</translation>
    </message>
    <message>
        <source>Fast retransmit as Tahoe: back to one packet</source>
        <translation>Fast Retransmit wie Tahoe: zurück auf ein Paket</translation>
    </message>
    <message>
        <source>Fast retransmit as Reno: fast recovery</source>
        <translation>Fast Retransmit wie Reno: Fast Recovery</translation>
    </message>
</context>
<context>
    <name>run files</name>
    <message>
        <source>text</source>
        <extracomment>What a JSON value is, in &quot;The field &quot;x&quot; should be a list, not %2.&quot;</extracomment>
        <translation>Text</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true oder false</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>eine Liste</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <source>null</source>
        <translation>null</translation>
    </message>
    <message>
        <source>The field %1 is missing.</source>
        <translation>Das Feld %1 fehlt.</translation>
    </message>
    <message>
        <source>The field %1 should be an object, not %2.</source>
        <translation>Das Feld %1 sollte ein Objekt sein, nicht %2.</translation>
    </message>
    <message>
        <source>The field %1 is %2, outside %3 to %4.</source>
        <translation>Das Feld %1 ist %2, außerhalb von %3 bis %4.</translation>
    </message>
    <message>
        <source>The field %1 should be a whole number written without a decimal point or an exponent, not %2.</source>
        <translation>Das Feld %1 sollte eine ganze Zahl ohne Dezimalpunkt und ohne Exponent sein, nicht %2.</translation>
    </message>
    <message>
        <source>The field %1 should be a whole number, not %2.</source>
        <translation>Das Feld %1 sollte eine ganze Zahl sein, nicht %2.</translation>
    </message>
    <message>
        <source>The field %1 should be text, not %2.</source>
        <translation>Das Feld %1 sollte Text sein, nicht %2.</translation>
    </message>
    <message>
        <source>The field %1 should be true or false, not %2.</source>
        <translation>Das Feld %1 sollte true oder false sein, nicht %2.</translation>
    </message>
    <message>
        <source>The field %1 names no %2 this program knows: %3.</source>
        <translation>Das Feld %1 nennt kein %2, das dieses Programm kennt: %3.</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
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
        <translation>Die Datei ist %1 groß, größer als eine Laufdatei sein darf (%2).</translation>
    </message>
    <message>
        <source>The run in this link cannot be opened. It is larger than a run file may be (%1).</source>
        <translation>Der Lauf in diesem Link kann nicht geöffnet werden. Er ist größer, als eine Laufdatei sein darf (%1).</translation>
    </message>
    <message>
        <source>The field %1 should be a figure such as &quot; 4&quot;, not %2.</source>
        <translation>Das Feld %1 sollte eine Zahl wie „ 4“ sein, nicht %2.</translation>
    </message>
    <message>
        <source>action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>slider</source>
        <translation>Regler</translation>
    </message>
    <message>
        <source>The entry %1 should be an object, not %2.</source>
        <translation>Der Eintrag %1 sollte ein Objekt sein, nicht %2.</translation>
    </message>
    <message>
        <source>kind of question</source>
        <translation>Art von Frage</translation>
    </message>
    <message>
        <source>The field %1 is empty.</source>
        <translation>Das Feld %1 ist leer.</translation>
    </message>
    <message>
        <source>The field %1 should be a list of two to four texts.</source>
        <translation>Das Feld %1 sollte eine Liste von zwei bis vier Texten sein.</translation>
    </message>
    <message>
        <source>The entry %1 should be text, not %2.</source>
        <translation>Der Eintrag %1 sollte Text sein, nicht %2.</translation>
    </message>
    <message>
        <source>The entry %1 is empty or the same as a choice before it.</source>
        <translation>Der Eintrag %1 ist leer oder gleich einer Auswahl davor.</translation>
    </message>
    <message>
        <source>The field %1 should be a list, not %2.</source>
        <translation>Das Feld %1 sollte eine Liste sein, nicht %2.</translation>
    </message>
    <message>
        <source>The field %1 is %2, before the tick of the action before it (%3).</source>
        <translation>Das Feld %1 ist %2, vor dem Takt der Aktion davor (%3).</translation>
    </message>
    <message>
        <source>The field %1 is %2, after the run&apos;s last tick (%3).</source>
        <translation>Das Feld %1 ist %2, nach dem letzten Takt des Laufs (%3).</translation>
    </message>
    <message>
        <source>The field %1 should be a list of at most %2 planned losses.</source>
        <translation>Das Feld %1 sollte eine Liste von höchstens %2 geplanten Verlusten sein.</translation>
    </message>
    <message>
        <source>The entry %1 should be one planned loss such as &quot;p5&quot;, &quot;p7.2&quot; or &quot;a9&quot;.</source>
        <translation>Der Eintrag %1 sollte ein geplanter Verlust wie „p5“, „p7.2“ oder „a9“ sein.</translation>
    </message>
    <message>
        <source>The file holds JSON but not a run: its top level is %1, not an object.</source>
        <translation>Die Datei enthält JSON, aber keinen Lauf: Ihre oberste Ebene ist %1, kein Objekt.</translation>
    </message>
    <message>
        <source>The file is not a run file: its field %1 is not %2.</source>
        <translation>Die Datei ist keine Laufdatei: Ihr Feld %1 ist nicht %2.</translation>
    </message>
    <message>
        <source>The file is format version %1, newer than this program reads (%2); a newer version of the program opens it.</source>
        <translation>Die Datei hat das Format der Version %1, neuer als dieses Programm liest (%2); eine neuere Version des Programms öffnet sie.</translation>
    </message>
    <message>
        <source>The field %1 should be a list of one or two runs.</source>
        <translation>Das Feld %1 sollte eine Liste von einem oder zwei Läufen sein.</translation>
    </message>
    <message>
        <source>The field %1 should be a list of at most %2 questions.</source>
        <translation>Das Feld %1 sollte eine Liste von höchstens %2 Fragen sein.</translation>
    </message>
    <message>
        <source>The field %1 is before the tick of the question before it.</source>
        <translation>Das Feld %1 liegt vor dem Takt der Frage davor.</translation>
    </message>
    <message>
        <source>The file holds an object with more than %1 fields; a run file&apos;s have a dozen at most.</source>
        <translation>Die Datei enthält ein Objekt mit mehr als %1 Feldern; die einer Laufdatei haben höchstens ein Dutzend.</translation>
    </message>
    <message>
        <source>The file nests its lists and objects more than %1 deep; a run file needs three.</source>
        <translation>Die Datei verschachtelt ihre Listen und Objekte tiefer als %1 Ebenen; eine Laufdatei braucht drei.</translation>
    </message>
    <message>
        <source>The file holds more values than a run file of %1 MB can.</source>
        <translation>Die Datei enthält mehr Werte, als eine Laufdatei von %1 MB haben kann.</translation>
    </message>
    <message>
        <source>The file holds a NUL byte at %1: a run file is plain text.</source>
        <translation>Die Datei enthält ein NUL-Byte bei %1: Eine Laufdatei ist reiner Text.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text: a malformed byte stands at %1.</source>
        <translation>Die Datei ist kein UTF-8-Text: Bei %1 steht ein fehlerhaftes Byte.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file is not valid JSON: something unexpected stands at %1.</source>
        <translation>Die Datei ist kein gültiges JSON: Bei %1 steht etwas Unerwartetes.</translation>
    </message>
    <message>
        <source>The file ends too early, at %1: it is cut short.</source>
        <translation>Die Datei endet zu früh, bei %1: Sie ist abgeschnitten.</translation>
    </message>
    <message>
        <source>The file has more after its end, at %1.</source>
        <translation>Die Datei hat nach ihrem Ende noch mehr, bei %1.</translation>
    </message>
    <message>
        <source>The file is not valid JSON.</source>
        <translation>Die Datei ist kein gültiges JSON.</translation>
    </message>
    <message>
        <source>The file holds a value of the wrong kind.</source>
        <translation>Die Datei enthält einen Wert der falschen Art.</translation>
    </message>
    <message>
        <source>Could not open %1: there is no such file.</source>
        <translation>%1 konnte nicht geöffnet werden: Es gibt keine solche Datei.</translation>
    </message>
    <message>
        <source>Could not open %1: it is a folder, not a file.</source>
        <translation>%1 konnte nicht geöffnet werden: Es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>Could not open %1: %2.</source>
        <translation>%1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Could not open %1: it is not a plain file.</source>
        <translation>%1 konnte nicht geöffnet werden: Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Could not open %1: it cannot be read.</source>
        <translation>%1 konnte nicht geöffnet werden: Es kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>This run is too long to save: its first %1 ticks were dropped to keep within the memory budget.</source>
        <translation>Dieser Lauf ist zu lang zum Speichern: Seine ersten %1 Takte wurden verworfen, um im Speicherbudget zu bleiben.</translation>
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
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Cont</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Slow Start</source>
        <translation>Slow Start</translation>
    </message>
    <message>
        <source>Avoidance</source>
        <translation>Überlastvermeidung</translation>
    </message>
    <message>
        <source>Fast Retransmit</source>
        <translation>Fast Retransmit</translation>
    </message>
    <message>
        <source>Selective Repeat</source>
        <translation>Selective Repeat</translation>
    </message>
    <message>
        <source>Delayed ACKs</source>
        <translation>Verzögerte ACKs</translation>
    </message>
    <message>
        <source>Auto RTT</source>
        <translation>Auto RTT</translation>
    </message>
    <message>
        <source>Slide Numbers</source>
        <translation>Nummern mitschieben</translation>
    </message>
    <message>
        <source>Tx Window Size</source>
        <translation>Sendefenstergröße</translation>
    </message>
    <message>
        <source>Current Flight Size</source>
        <translation>Aktuelle Flight Size</translation>
    </message>
    <message>
        <source>Duplicate ACKs</source>
        <translation>Doppelte ACKs</translation>
    </message>
    <message>
        <source>SSThresh</source>
        <translation>SSThresh</translation>
    </message>
    <message>
        <source>Rx Window Size</source>
        <translation>Empfangsfenstergröße</translation>
    </message>
    <message>
        <source>Timeout Timer</source>
        <translation>Timeout-Timer</translation>
    </message>
    <message>
        <source>TimeOut Timer</source>
        <translation>Timeout-Timer</translation>
    </message>
    <message>
        <source>Max Sequence No</source>
        <translation>Höchste Sequenznummer</translation>
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
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Packet X : Sequence Number X</source>
        <translation>Paket X : Sequenznummer X</translation>
    </message>
    <message>
        <source>ACK for X : Sent After Packet X Arrived</source>
        <translation>ACK für X : gesendet nach Ankunft von Paket X</translation>
    </message>
    <message>
        <source>Packet %1 : Sequence Number %2</source>
        <translation>Paket %1 : Sequenznummer %2</translation>
    </message>
    <message>
        <source>ACK with Seq Num %1 (packet %2) : Packet %3 Arrived</source>
        <translation>ACK mit Seq.-Nr. %1 (Paket %2) : Paket %3 angekommen</translation>
    </message>
    <message>
        <source>Press &apos;Start&apos; to go...</source>
        <translation>„Start“ drücken, um loszulegen...</translation>
    </message>
    <message>
        <source>Hoping for ACK with sequence number %1</source>
        <translation>Warte auf ACK mit Sequenznummer %1</translation>
    </message>
    <message>
        <source>Hoping for ACK with sequence number between %1 and %2</source>
        <translation>Warte auf ACK mit Sequenznummer zwischen %1 und %2</translation>
    </message>
    <message>
        <source>Waiting for packet %1 with sequence number %2</source>
        <translation>Warte auf Paket %1 mit Sequenznummer %2</translation>
    </message>
    <message>
        <source>Transmit window now %1 only %2 in flight, so sending packet %3</source>
        <translation>Sendefenster jetzt %1, nur %2 unterwegs, daher wird Paket %3 gesendet</translation>
    </message>
    <message>
        <source>Sending ACK for packet %1 (sequence number %2) asking for packet with sequence number %3</source>
        <translation>Sende ACK für Paket %1 (Sequenznummer %2), das nach dem Paket mit Sequenznummer %3 fragt</translation>
    </message>
    <message>
        <source> %1 Duplicate ACK for sequence number %2 arrived</source>
        <translation> %1. doppeltes ACK für Sequenznummer %2 angekommen</translation>
    </message>
    <message>
        <source>Non-Duplicate ACK arrived: leaving fast re-transmit.</source>
        <translation>Nicht doppeltes ACK angekommen: Fast Retransmit wird verlassen.</translation>
    </message>
    <message>
        <source>New ACK arrived: increasing window size to %1</source>
        <translation>Neues ACK angekommen: Fenster wird auf %1 vergrößert</translation>
    </message>
    <message>
        <source>Third duplicate ACK arrived.  Entering fast retransmit, and retransmitting packet %1</source>
        <translation>Drittes doppeltes ACK angekommen.  Fast Retransmit beginnt, Paket %1 wird erneut gesendet</translation>
    </message>
    <message>
        <source>Third duplicate ACK arrived.  Tahoe: retransmitting packet %1 and starting again from a window of one packet</source>
        <translation>Drittes doppeltes ACK angekommen.  Tahoe: Paket %1 wird erneut gesendet, Neubeginn mit einem Fenster von einem Paket</translation>
    </message>
    <message>
        <source>Retransmitting packet %1</source>
        <translation>Paket %1 wird erneut gesendet</translation>
    </message>
    <message>
        <source>Going back: retransmitting packet %1</source>
        <translation>Zurückgehen: Paket %1 wird erneut gesendet</translation>
    </message>
    <message>
        <source>Run Out of Packets to Send</source>
        <translation>Keine Pakete mehr zu senden</translation>
    </message>
</context>
<context>
    <name>status</name>
    <message>
        <source>End of the lesson</source>
        <translation>Ende der Lektion</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>Lauf %1</translation>
    </message>
    <message>
        <source>Tick %1</source>
        <translation>Takt %1</translation>
    </message>
    <message>
        <source>Run %1: %2</source>
        <translation>Lauf %1: %2</translation>
    </message>
    <message>
        <source>Run %1, options kept at Reset</source>
        <translation>Lauf %1, Optionen beim Zurücksetzen beibehalten</translation>
    </message>
    <message>
        <source>%1: End of the lesson</source>
        <translation>%1: Ende der Lektion</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>Receiver keeps only in-order packets</source>
        <translation>Empfänger behält nur Pakete in Reihenfolge</translation>
    </message>
    <message>
        <source>Sender resends the whole window on a timeout</source>
        <translation>Sender sendet bei einem Timeout das ganze Fenster erneut</translation>
    </message>
    <message>
        <source>Fast retransmit restarts slow start (Tahoe)</source>
        <translation>Fast Retransmit beginnt Slow Start von vorn (Tahoe)</translation>
    </message>
    <message>
        <source>This run has used every packet number up to %1. Press Reset to start a new run.</source>
        <translation>Dieser Lauf hat jede Paketnummer bis %1 verbraucht. Drücken Sie Zurücksetzen, um einen neuen Lauf zu beginnen.</translation>
    </message>
</context>
</TS>
