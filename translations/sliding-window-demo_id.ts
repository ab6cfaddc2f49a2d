<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id" sourcelanguage="en">
<context>
    <name>CompareChart</name>
    <message>
        <source>Click a tick to take every configuration back to it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit window (packets)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goodput (packets per 100 ticks, over the last 200)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tick (50 ms at 1×)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration &amp;%1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (Network → Losses… changes them, here or in the comparison)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run these side by side from one clock, with the same losses:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompareWindow</name>
    <message>
        <source> · </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed of the shared clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Losses…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Diagram…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Larger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each configuration loses the same packets and ACKs. A click on the chart takes all of them back to that tick; a packet or ACK you lose in one window is lost in the others too.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EventLogModel</name>
    <message>
        <source>sender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>receiver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What happened</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EventLogView</name>
    <message>
        <source>Show:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LadderView</name>
    <message>
        <source>Time-Sequence Diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time-sequence diagram of the run</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LegendDialog</name>
    <message>
        <source>Legend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LessonsDialog</name>
    <message>
        <source>Lessons</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LossesDialog</name>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Losses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At random</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Packets lost:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;ACKs lost:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACK for packet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The packet&apos;s number; for an ACK, the packet whose arrival sends it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transmission </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each loss is a double click on the packet or ACK as it crosses the middle of the network, recorded like yours. The same seed loses the same packets in every run and every protocol.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Time-Sequence Diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lessons...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keys and Mouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move among the panel&apos;s controls, then into the flight area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press the focused button or tick the focused box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow keys on a slider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up for more on the window and sequence sliders; Right for a longer timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow keys in the flight area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick a travelling packet or ACK (it is outlined)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space in the flight area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold the picked one, or let it go on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete in the flight area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lose the picked one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys and Mouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the chart: the wheel zooms, the scroll bar below moves through the run, a click puts the cursor on a tick, a double click (or &lt;i&gt;Rewind to Cursor&lt;/i&gt;) goes back to it. Selecting a line of the log moves the cursor to its tick.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Version %2&lt;/p&gt;&lt;p&gt;A sliding-window transport protocol with congestion control, animated on a 50 ms clock: slow start, congestion avoidance, fast retransmit and recovery, selective repeat, delayed ACKs and an adaptive timeout.&lt;/p&gt;&lt;p&gt;The run is recorded as it goes, so it can be stepped back, rewound to any earlier tick on the chart, and exported.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PracticePanel</name>
    <message>
        <source>Practice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions per minute:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watching the run for the next question…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch the run: the event comes in a few ticks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped: the run gave %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not so: the run gave %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Time-Sequence Diagrams, Ticks %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A receiver cell: a packet&apos;s number. Its colour (and, with state marks on, its mark) says whether the receiver awaits or holds the packet; View &gt; Legend explains them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A packet on its way to the receiver. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An ACK on its way back to the sender. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sender cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>receiver cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeout Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx Window Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx Window Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Sequence No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>setting %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>highest sequence number %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 packets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeout bar: runs down while the packet waits for its ACK; when it is empty the packet is sent again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sender strip. The purple frame is the sender&apos;s window: the packets it may send before an ACK comes back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The receiver strip. The purple frame is the receiver&apos;s window: the packets it takes in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packets travel down on the left, ACKs up on the right. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page &amp;Address...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address where the page is published (https://...):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Link as &amp;QR Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Link as QR Code (set the page&apos;s address first: View &gt; Page Address or --page-url URL)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page address %1 is not used: it must be a web address beginning with https:// or http://, or a file:// address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Chart and Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Run...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Run As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Chart as &amp;PNG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Chart as PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Chart as S&amp;VG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Chart as SVG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Run as &amp;CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Run as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Run as Packet Ca&amp;pture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows and flight size in packets against the tick number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet capture at the sender (*.pcap)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet capture at the receiver (*.pcap)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Run as Packet Capture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs (*.swrun *.json);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Run As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs (*.swrun);;Runs, as before (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tep One Tick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step &amp;Back One Tick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Compare…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Losses…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No Losses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour-blind safe colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State marks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Legend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program speaks %1 from its next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QrDialog</name>
    <message>
        <source>Link as QR Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QR code of the link to this run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan to open this run on a phone (%1 characters).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunChart</name>
    <message>
        <source>tick (50 ms at 1×)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avoidance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tick %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put Cursor on Tick %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rewind to Tick %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunPanel</name>
    <message>
        <source>Chart and Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The run the chart, the log and the CSV export show; each Reset begins a new run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run 1 (current)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the latest tick at the right edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fewer ticks across the chart (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More ticks across the chart (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every tick so far</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rewind to Cursor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go back to the tick under the cursor and pause there; what happened after it is dropped (also: double click on the chart)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (current)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  cursor: tick %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  tick %1 (click the chart to put the cursor on a tick)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>chart</name>
    <message>
        <source>Tx window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSThresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flight size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast retransmit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACK lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avoidance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>diagram</name>
    <message>
        <source>%1 (seq %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACK %1 dup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACK %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fast retransmit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>drop %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>figures</name>
    <message>
        <source>Delivered in order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retransmissions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeouts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drops by the receiver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goodput (per 100 ticks)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goodput, last 200 ticks</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>legend</name>
    <message>
        <source>not sent yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>queued</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>queued, waiting for its first trip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>queued again to be resent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>queued again, waiting to be resent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in flight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in flight (sent once)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in flight, retransmitted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sent again, in flight once more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>marked for a selective resend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>marked to be resent at the next tick (selective repeat)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>acknowledged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>acknowledged: done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>outside the receive window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>awaited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inside the window, not here yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>received under another packet&apos;s number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>taken in under another packet&apos;s number (too few sequence numbers)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>✕ lost here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A click on a travelling packet or ACK holds it and a click on a held one lets it go on, but until the clock has run seven ticks after such a click (350 ms at 1×, 91 ms at 4×; a paused clock runs none), any further click on a packet or ACK loses the one clicked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flight area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The arrow keys pick a travelling packet or ACK, Space holds or releases it, Delete loses it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sender cells: what has happened to each packet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeout bar above the cell: runs down while the packet waits for its ACK; when it is empty the packet is sent again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiver cells: what the receiver holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows, packets and ACKs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purple frame: the sender&apos;s window (top) and the receiver&apos;s window (bottom).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outlined packet or ACK: held by a click; it waits where it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A held packet or ACK waits where it is (turn on state marks to outline it).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A packet or ACK removed by a click leaves this mark for a moment (with state marks on). </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packet %1, sequence number %2, held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packet %1, sequence number %2, travelling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACK for sequence number %1 (packet %2), sent when packet %3 arrived, held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACK for sequence number %1 (packet %2), sent when packet %3 arrived, travelling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACK, held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACK, travelling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packet, held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packet, travelling</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lesson auto-rtt-timeout</name>
    <message>
        <source>A timeout with Auto RTT backing the timer off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto RTT is on and the timeout starts at 4, shorter than a round trip of 146 ticks. Packet 1 is lost at tick 15. At tick 93 packet 0&apos;s timer runs out before its ACK could return (timeout marker) and Auto RTT doubles the timeout setting to 8; packet 1 times out at tick 147 and the setting doubles again, to 16. As ACKs come back in time, Auto RTT brings the setting down step by step: 8 at tick 293, 7 at tick 304, 6 at tick 439.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The timeout setting of 4 is shorter than a round trip. Which packets will be sent again when the first timer runs out?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packet 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packets 0 to 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet 0 was not lost: its ACK simply had no time to come back. Its timer runs out first and it is sent again needlessly, and Auto RTT doubles the timeout setting so that it does not happen again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lesson fast-retransmit</name>
    <message>
        <source>Fast retransmit after three duplicate ACKs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow Start and Fast Retransmit are on, with the timeout at 12 as the option suggests. Packet 4 is lost at tick 230. The packets behind it each bring back a duplicate ACK asking for packet 4. The third duplicate arrives at tick 450: the sender resends packet 4 at once, without waiting for its timer (fast-retransmit marker), sets the threshold to half the 6 packets in flight, 3, and keeps sending. The first ACK that is not a duplicate ends fast recovery at tick 596.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet 4 is on its way. Which packets will be sent again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packet 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packets 4 to 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packet 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three duplicate ACKs tell the sender that one packet is missing and the ones behind it arrived: it resends only that packet at once, without waiting for its timer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first ACK after the fast retransmit is on its way. What will SSThresh be?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast retransmit sets the threshold to half the packets in flight, but keeps sending instead of starting again from one packet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lesson go-back-n</name>
    <message>
        <source>Go-back-N (textbook) recovering one lost packet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go-back-N as the textbooks teach it: on a timeout the sender goes back and sends every unacknowledged packet again, and the receiver keeps only in-order packets. Packet 1 is lost at tick 15 (double click). Packets 2, 3 and 4 arrive after the gap and are thrown away (ticks 96, 107 and 220), so every ACK keeps asking for packet 1. At tick 174 packet 1&apos;s timer runs out (timeout marker): the sender goes back and queues packets 1, 2, 3 and 4 again (&quot;Going back: retransmitting packet&quot;, ticks 174 to 176). They arrive in order, by tick 280 the receiver asks for packet 5, and nothing is dropped after that. One loss costs one window of retransmissions, once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet 1 was lost. A packet after the gap arrives at the in-order receiver. Which packet will the receiver ask for next?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packet 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packet 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The in-order receiver throws away a packet it did not expect and asks again for the one it is waiting for: every ACK names the next packet wanted, here still packet 1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lesson go-back-n-original-receiver</name>
    <message>
        <source>Go-back-N sender with a receiver that keeps out-of-order packets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same loss as the go-back-N lesson, but with the original sender and receiver: the sender resends only the packet whose timer ran out, and the receiver keeps packets that arrive after a gap. Packet 1 is lost at tick 15; packets 2, 3 and 4 are kept. At tick 174 packet 1 times out and is sent again, and when it arrives (tick 247) one cumulative ACK asks for packet 5: everything up to 4 is acknowledged at once. Only the lost packet was sent twice, so this sender behaves almost like selective repeat; the difference is that it needed a timeout to learn of the loss.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet 1&apos;s timer is about to run out. Which packets will be sent again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packets 1 to 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packet 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The original sender resends only the packet whose timer ran out. The receiver kept packets 2 to 4, so when packet 1 arrives one cumulative ACK covers them all.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lesson lost-ack</name>
    <message>
        <source>A lost ACK covered by the next cumulative ACK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At tick 80 the ACK asking for packet 1 is lost (double click on it; ACK-lost marker). Nothing needs resending: the next ACK, asking for packet 2, arrives a few ticks later and acknowledges packets 0 and 1 together, because every ACK names the next packet the receiver wants. No timeout happens in the whole run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ACK asking for packet 1 was lost. What will the sender do about packet 0?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resend packet 0 when its timer runs out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing: the next ACK acknowledges it too</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resend packets 0 and 1 at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every ACK names the next packet the receiver wants, so the ACK asking for packet 2 acknowledges packets 0 and 1 together: a lost ACK costs nothing when another follows in time.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lesson one-at-a-time</name>
    <message>
        <source>One packet at a time against a window of eight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transmit window starts at one packet: the sender puts packet 0 on the wire and waits 146 ticks for its ACK before packet 1 may leave, so the line stands idle most of the time. At tick 350 the Tx Window Size slider moves to 8 and the sender fills the pipe: eight packets travel at once, and as many ACKs come back as fast as they can. Compare how far the sender strip has got at tick 350 and at tick 700.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tx Window Size slider moves from 1 to 8 at tick 350. How many packets will travel at once soon after?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transmit window is the number of packets that may be sent and not yet acknowledged. At 8 the sender puts eight packets on the wire without waiting, so the line is busy instead of idle.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lesson same-losses</name>
    <message>
        <source>Same losses, three protocols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three protocols run side by side from one clock, and the network loses 5 % of the packets in each, drawn from seed 7: whether a packet is lost depends only on its number and which transmission of it this is, so the same packets are lost under all three. Packets 9, 15 and 18 are lost under every protocol; go-back-N and selective repeat lose 9 at tick 195 and 15 at tick 261, stop-and-wait only reaches packet 9 at tick 1352. Stop-and-wait has one packet in flight, so every packet costs a whole round trip and a loss a whole timeout. Go-back-N sends eight at a time, but after a timeout it sends the whole window again and its in-order receiver drops what arrived after the gap; those resends are drawn again, so some of them are lost too (packet 16&apos;s second transmission, at tick 434). Selective repeat resends only the packet that was lost and keeps the rest. Watch the timeout markers and the resend colours in each window, and the figures table.

At tick 3000 (goodput: packets delivered in order per 100 ticks): Stop-and-wait: 18 delivered, 2 retransmissions, goodput 0.6. Go-back-N (textbook): 92 delivered, 80 retransmissions, goodput 3.1. Selective repeat: 115 delivered, 8 retransmissions, goodput 3.8.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop-and-wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet 9 was lost at tick 1352 and its timer runs out now. What does the stop-and-wait sender send again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packet 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packets 9 to 16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packet 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop-and-wait never has more than one packet in flight, so a timeout costs it one resend, but a whole timeout&apos;s wait. Go-back-N lost the same packet 9 at tick 195 and sent packets 9 to 16 again from tick 320.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go-back-N (textbook)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selective repeat</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lesson selective-repeat</name>
    <message>
        <source>The same loss under selective repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selective Repeat is on. Packet 1 is lost at tick 15. The sender keeps sending while the receiver holds packets 2 and up. At tick 169 the sender enters the Selective state, and at tick 180 packet 1&apos;s timer runs out and only packet 1 is sent again (timeout marker). When its ACK returns the window opens fully again (back to Normal at tick 326).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The resent packet 1 reaches the receiver, which holds packets 2 and up. Which packet will the receiver ask for next?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packet 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packet 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packet 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The arrival fills the gap: the receiver takes in packet 1 and everything it held after it, and its ACK asks for the first packet it has not got.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lesson slow-start</name>
    <message>
        <source>Slow start up to the threshold, then avoidance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow Start and Avoidance are on, the receive window is 16. The window starts at 2 and grows by one packet for every ACK: 4 at tick 158, 8 at tick 326. Packet 6 is lost at tick 330; its timeout at tick 455, with 8 packets in flight, sets the threshold to half of them, 4, and drops the window to 1. Slow start brings it back up to the threshold (4 at tick 904); from there congestion avoidance adds only a fraction of a packet per ACK (4.25 at tick 1039): watch the slope change on the chart. The textbooks&apos; rule grows the window by about one packet per round trip; here the window figure snaps up to the next whole packet as soon as it rounds to it, as in the original program (5 at tick 1061, 8 at tick 1375), which makes about 1.4 packets per round trip of 146 ticks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In slow start the window grows by one packet for every ACK. The next ACK arrives soon. What will the Tx Window Size be?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow start adds one packet to the window for each ACK while the window is below SSThresh, so it doubles every round trip.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet 6 was lost, and its timer is about to run out with 8 packets in flight. What will SSThresh be?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On a timeout SSThresh becomes half the packets in flight, and the window drops to one packet: slow start then climbs back to the threshold.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lesson small-sequence-space</name>
    <message>
        <source>A sequence space too small for the window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The highest sequence number is 3, so there are only four sequence numbers, but the windows are six packets. Packets 0 and 4 both carry sequence number 0, packets 1 and 5 both carry 1. Packet 1 is lost at tick 15; the ACKs that come back cannot say which packet they mean. Packet 1 times out at tick 174 and is resent, and at tick 320 the sender resends packet 3, which the receiver already had: it has read an ACK for the wrong packet. The sequence space must be at least twice the window to avoid this.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet 1 was lost and its timer is about to run out. Which packets will be sent again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packet 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packets 1 to 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The timer belongs to packet 1, so packet 1 is resent. But packet 5 carries the same sequence number, 1: with only four numbers for a window of six, the ACKs cannot tell them apart.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lesson tahoe-vs-reno</name>
    <message>
        <source>Tahoe against Reno: one loss, two answers to three duplicate ACKs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tahoe-like and Reno-like TCP side by side from one clock, with the same settings but for Tahoe&apos;s rule, and the same planned loss (p10): packet 10 is lost at tick 374 in both, while the window is 8 and still growing. The packets behind it keep arriving, each bringing back a duplicate ACK asking for packet 10, and the third one arrives at tick 516 in both (fast-retransmit marker), with the window at 12 and 11 packets in flight. Both resend packet 10 at once and set SSThresh to half the flight size, 5.5. Here they part.

Tahoe starts again from a window of 1, in slow start, and further duplicates change nothing. The ACK for the resend reaches it at tick 662 and asks for packet 21: the receiver had kept every packet behind the lost one, so the go-back-N sender has nothing more to send again. Its window climbs from there: 2 at tick 662, 4 at tick 819, 6 at tick 965.

Reno halves the window and adds three for the packets that left the network (9 at tick 516), inflates it by one for each further duplicate (16 at tick 651) and keeps sending; the first new ACK ends fast recovery at tick 673 with the window back at the threshold, kept as 5 whole packets. Both run with the timeout of 12 that Fast Retransmit sets, and neither times out: the difference is the fast retransmit alone.

At tick 1500 (goodput: packets delivered in order per 100 ticks): Tahoe-like TCP: 54 delivered, 1 retransmission, goodput 3.6. Reno-like TCP: 71 delivered, 1 retransmission, goodput 4.7.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tahoe-like TCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet 10 is on its way to the Tahoe-like sender, whose window is 12. What will its Tx Window Size be?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tahoe&apos;s rule resends the missing packet and starts slow start again from a window of one packet. Reno, beside it, halves the window and adds three, 9, and recovers without stopping.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reno-like TCP</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lessons</name>
    <message>
        <source>There is no lesson called &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>links</name>
    <message>
        <source>Ignored %1=%2 in the link (%3); kept the start-up setting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignored the unknown parameter &quot;%1&quot; in the link.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignored %1=%2 in the link: the lesson brings its own settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignored lesson=%1 in the link. %2 The lessons are %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the protocols are %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not every option can be set that way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>options are slowstart, avoidance, fastretransmit, selective, delayedack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>use 1 or 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the box cannot be changed now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>use a whole number from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the languages are %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>use 0.25, 0.5, 1, 2 or 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>And %1 more parameter of the link ignored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>And %1 more parameters of the link ignored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This run makes a link of %1 characters, too long for a browser&apos;s address bar (%2 at most): save it as a run file and share the file instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link to this run has %1 characters, more than a QR code holds (%2): share the link itself or the run file instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The run in this link cannot be opened. The link is damaged: part of it may have been cut off when it was copied. Copy the whole link again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The run in this link cannot be opened. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>log</name>
    <message>
        <source>packet %1 dropped: out of order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the clock is paused; Cont goes on as a live run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your own action at tick %1: the recorded run from here on is dropped and this run goes on as a new branch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opened the run file (%1 ticks): it plays as recorded while the clock runs; an action of your own branches it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opened &quot;%2&quot; (%1 ticks): it plays as recorded while the clock runs; an action of your own branches it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run %1 dropped from the record to stay within the memory budget (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ticks %1 to %2 of this run dropped to stay within the memory budget (%3): rewinds now reach back to tick %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packet %1 lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACK asking for sequence number %1 lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packet %1 held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACK asking for sequence number %1 held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packet %1 released</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACK asking for sequence number %1 released</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>timeout set to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transmit window set to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>receive window set to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>highest sequence number set to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pressed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>losses</name>
    <message>
        <source>A plan holds at most %1 losses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The planned loss &quot;%1&quot; is not p or a with a packet number, such as p5, p7.2 or a9.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packet %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the ACK for packet %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packet %1 (transmission %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the ACK for packet %1 (transmission %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No losses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 % of packets, %2 % of ACKs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 % of packets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 % of ACKs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Losses: %1 planned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Losses: %1 (seed %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Losses: %1 (seed %2), %3 planned</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>Quill&apos;s Sliding Window Demo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quill&apos;s Sliding Window Demo needs JavaScript: please allow scripts for this page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window&apos;s controls at finger size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run controls, chart and log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step back one tick (Ctrl+Left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>◀ Step Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step one tick; pauses a running clock first (Ctrl+Right)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step ▶</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol: custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour-blind safe colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State marks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a saved run file; you can also drop one on the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open run…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download this run as a run file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download this run as a packet capture (.pcap) for Wireshark, seen at the sender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save capture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a built-in lesson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lessons…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packets and ACKs the network loses: at random or planned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run two or three protocols side by side with the same losses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy a link that opens the page with these settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link to these settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit window, threshold, flight size and receive window against the tick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rewind to Cursor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This run&apos;s figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time-Sequence Diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From tick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download these ticks of the diagram as an SVG drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save diagram (SVG)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time-sequence diagram of the run: sender left, receiver right, time downward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the single window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>◀ One window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step all of them back one tick (Ctrl+Left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step all of them one tick (Ctrl+Right)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download the comparison as one run file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save comparison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy a link that opens the page with this comparison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link to this comparison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each configuration&apos;s transmit window (solid) and goodput (dashed) against the tick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solid: transmit window (packets, left scale). Dashed: goodput (packets per 100 ticks over the last 200, right scale).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Figures of each configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A lost packet or ACK is taken off halfway across, as a double click on it would. The same seed loses the same packets under every protocol.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packets lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACKs lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planned losses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ACK for packet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transmission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side by side from one clock, with the losses set under Network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice: on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score: %1 of %2 right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QR code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan to open this run (%1 characters).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the link beside</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>practice</name>
    <message>
        <source>Question withdrawn: the run changed before the event it was about.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right, %3 skipped, %4 withdrawn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right, %3 skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right, %4 withdrawn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Withdrawn: the run was changed before the event.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The run gave: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong: the run gave %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packet %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no packet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packets %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packets %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sets SSThresh to half the flight size (%1 packet in flight), never below 2 packets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sets SSThresh to half the flight size (%1 packets in flight), never below 2 packets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sets SSThresh to the transmit window (%1 packet; with Avoidance on it would take half the flight size), never below 2 packets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sets SSThresh to the transmit window (%1 packets; with Avoidance on it would take half the flight size), never below 2 packets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The go-back-N sender then goes back: every later packet not yet acknowledged is queued again, oldest first, one a tick as the window allows, which slow start opens again from one packet; an ACK that covers packets the receiver kept spares them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The go-back-N sender then goes back: every later packet not yet acknowledged is queued again, oldest first, one a tick while they fit in the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No new packet leaves until the round is over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No new packet leaves until the round is over: here only packet %1 is sent again, since the ACK for it covers the packets behind it, which the receiver kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No new packet leaves until the round is over: here it sends %1 again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retransmission timeout.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet %1&apos;s timer ran out before an ACK covered it, so the sender takes it for lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keeps the SSThresh that fast retransmit set (never below 2 packets)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It %1, enters the TimedOut state, drops the Tx Window to one packet (slow start begins again) and queues %2 again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It %1, enters the TimedOut state and queues %2 again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Selective Repeat the other packets keep their timers: only what timed out is resent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This sender, as the original program&apos;s, does not go back at once: the timers of the later packets stop, and each is sent again only when it has become the oldest unacknowledged packet, a round trip apiece.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A textbook go-back-N sender would resend them all now (the option &quot;Sender resends the whole window on a timeout&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast retransmit under Tahoe&apos;s rule.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast retransmit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three duplicate ACKs in a row tell the sender that packet %1 is missing while later packets still arrive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without waiting for its timer the sender resends packet %1 and sets SSThresh to half the flight size (%2 packet in flight, never below 2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without waiting for its timer the sender resends packet %1 and sets SSThresh to half the flight size (%2 packets in flight, never below 2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As TCP Tahoe does, it drops the Tx Window to one packet and starts slow start again: there is no fast recovery, and further duplicate ACKs change nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It sets the Tx Window to half the window plus three packets, for the three that left the network (here %1, never above the receiver&apos;s window), and enters FastRetransmit; each further duplicate ACK inflates the window by one packet until a new ACK ends fast recovery.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The textbooks (RFC 5681) start from the new SSThresh plus three, %1 here too: this model halves the window, as the original program does, which differs whenever the window and the flight size do.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The textbooks (RFC 5681) start from the new SSThresh plus three, %1 here: this model halves the window, as the original program does, which differs whenever the window and the flight size do.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast recovery: every further duplicate ACK means another packet has left the network, so the Tx Window is inflated by one packet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new ACK ends fast recovery: the Tx Window drops back to SSThresh (%1 packets).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After a timeout every new ACK sets the Tx Window to the loss window of one packet, until the resent packet itself is acknowledged and slow start takes over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congestion avoidance: at or above SSThresh each new ACK adds one packet divided by the window in packets, which in the textbooks grows the window by about one packet per round trip.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This model, as the original program does, snaps the window to whole packets as soon as it rounds to the next one, which adds the rest of that packet at once: the window grows faster than one packet per round trip.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow start: each new ACK grows the Tx Window by one packet, however many packets it acknowledges, so the window doubles every round trip until it reaches SSThresh.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow start: each new ACK grows the Tx Window by one packet, however many packets it acknowledges, so the window doubles every round trip.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selective repeat without slow start: each duplicate ACK opens the Tx Window by one packet while the holes are resent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selective repeat without slow start: the first new ACK after the duplicates restores the smallest window seen while they arrived.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tx Window never grows beyond the receiver&apos;s window (Rx Window Size).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the cell of packet %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none: it is dropped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet %1 (sequence number %2) reaches the receiver in %3 tick.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet %1 (sequence number %2) reaches the receiver in %3 ticks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An ACK asking for packet %1 reaches the sender in %2 tick.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An ACK asking for packet %1 reaches the sender in %2 ticks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which packet will the receiver ask for next?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What will the Tx Window Size be?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet %1&apos;s timer runs out in %2 tick.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet %1&apos;s timer runs out in %2 ticks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet %1 reaches the sender in %2 tick.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet %1 reaches the sender in %2 ticks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What will SSThresh be?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which packets will the sender send again before it sends a new one?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which packets will the sender queue to send again right then?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In-order receiver.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This receiver keeps only the packet it expects next, packet %1 (sequence number %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet %1 is dropped, and the receiver answers at once with an ACK asking again for packet %2: an ACK always names the next packet awaited, never the one that arrived.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sender will have to send every later packet again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which cell of the receiver&apos;s strip will take it in?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequence-number aliasing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The receiver knows a packet only by its sequence number, the packet number Mod %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet %1 carries sequence number %2, and so does packet %3 inside the receive window, so the receiver takes it in as that packet: the cell turns dark red.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sequence space (Max Sequence No) is too small for the windows; it must hold the sender&apos;s and the receiver&apos;s windows together.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cumulative acknowledgement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet %1 is the packet the receiver was waiting for, and the packets after it had already arrived and been kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its arrival completes the run, so the receive window slides past all of them and the ACK asks for packet %1, the first packet still missing, not for packet %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which packet will the sender&apos;s window start at?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An ACK names the next packet the receiver awaits, so it acknowledges every packet before that one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sender blackens them, stops their timers and slides its window on to the oldest packet still unacknowledged, packet %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>protocols</name>
    <message>
        <source>&quot;%1&quot; is not a protocol; the protocols are %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A comparison runs two or three protocols, not %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop-and-wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go-back-N (textbook)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selective repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tahoe-like TCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reno-like TCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiver keeps out-of-order packets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast retransmit as Tahoe: back to one packet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast retransmit as Reno: fast recovery</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>run files</name>
    <message>
        <source>text</source>
        <extracomment>What a JSON value is, in &quot;The field &quot;x&quot; should be a list, not %2.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>true or false</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>null</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field %1 is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field %1 should be an object, not %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field %1 is %2, outside %3 to %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field %1 should be a whole number written without a decimal point or an exponent, not %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field %1 should be a whole number, not %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field %1 should be text, not %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field %1 should be true or false, not %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field %1 names no %2 this program knows: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1.%2 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is %1, larger than a run file may be (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The run in this link cannot be opened. It is larger than a run file may be (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field %1 should be a figure such as &quot; 4&quot;, not %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entry %1 should be an object, not %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kind of question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field %1 is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field %1 should be a list of two to four texts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entry %1 should be text, not %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entry %1 is empty or the same as a choice before it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field %1 should be a list, not %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field %1 is %2, before the tick of the action before it (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field %1 is %2, after the run&apos;s last tick (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field %1 should be a list of at most %2 planned losses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entry %1 should be one planned loss such as &quot;p5&quot;, &quot;p7.2&quot; or &quot;a9&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds JSON but not a run: its top level is %1, not an object.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a run file: its field %1 is not %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is format version %1, newer than this program reads (%2); a newer version of the program opens it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field %1 should be a list of one or two runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field %1 should be a list of at most %2 questions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field %1 is before the tick of the question before it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds an object with more than %1 fields; a run file&apos;s have a dozen at most.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file nests its lists and objects more than %1 deep; a run file needs three.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds more values than a run file of %1 MB can.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds a NUL byte at %1: a run file is plain text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not UTF-8 text: a malformed byte stands at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not valid JSON: something unexpected stands at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file ends too early, at %1: it is cut short.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has more after its end, at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not valid JSON.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds a value of the wrong kind.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open %1: there is no such file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open %1: it is a folder, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open %1: it is not a plain file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open %1: it cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This run is too long to save: its first %1 ticks were dropped to keep within the memory budget.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>simulation</name>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cont</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avoidance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast Retransmit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selective Repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delayed ACKs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto RTT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slide Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx Window Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Flight Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate ACKs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSThresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx Window Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeout Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TimeOut Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Sequence No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SlowStart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TimedOut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FastRetransmit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selective</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet X : Sequence Number X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACK for X : Sent After Packet X Arrived</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet %1 : Sequence Number %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACK with Seq Num %1 (packet %2) : Packet %3 Arrived</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press &apos;Start&apos; to go...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hoping for ACK with sequence number %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hoping for ACK with sequence number between %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for packet %1 with sequence number %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit window now %1 only %2 in flight, so sending packet %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending ACK for packet %1 (sequence number %2) asking for packet with sequence number %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %1 Duplicate ACK for sequence number %2 arrived</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non-Duplicate ACK arrived: leaving fast re-transmit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New ACK arrived: increasing window size to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third duplicate ACK arrived.  Entering fast retransmit, and retransmitting packet %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third duplicate ACK arrived.  Tahoe: retransmitting packet %1 and starting again from a window of one packet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retransmitting packet %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Going back: retransmitting packet %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run Out of Packets to Send</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>status</name>
    <message>
        <source>End of the lesson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run %1, options kept at Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: End of the lesson</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>Receiver keeps only in-order packets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sender resends the whole window on a timeout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast retransmit restarts slow start (Tahoe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This run has used every packet number up to %1. Press Reset to start a new run.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
