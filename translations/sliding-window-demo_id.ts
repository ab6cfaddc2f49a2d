<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id" sourcelanguage="en">
<context>
    <name>ClassroomPanel</name>
    <message>
        <source>Classroom Session</source>
        <translation>Sesi Kelas</translation>
    </message>
    <message>
        <source>QR code of the address to join the class</source>
        <translation>Kode QR alamat untuk bergabung ke kelas</translation>
    </message>
    <message>
        <source>&amp;Ask the Room</source>
        <translation>&amp;Tanya Kelas</translation>
    </message>
    <message>
        <source>&amp;Reveal</source>
        <translation>&amp;Ungkap</translation>
    </message>
    <message>
        <source>&amp;Vote Again</source>
        <translation>&amp;Pilih Lagi</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Putar</translation>
    </message>
    <message>
        <source>&amp;Stop Session</source>
        <translation>&amp;Hentikan Sesi</translation>
    </message>
</context>
<context>
    <name>ClassroomServer</name>
    <message>
        <source>The classroom session could not listen on port %1: %2</source>
        <translation>Sesi kelas tidak dapat mendengarkan di porta %1: %2</translation>
    </message>
</context>
<context>
    <name>ClassroomSession</name>
    <message>
        <source>The class answers could not be written to %1: %2</source>
        <translation>Jawaban kelas tidak dapat ditulis ke %1: %2</translation>
    </message>
    <message>
        <source>Part of the program could not be loaded: %1</source>
        <translation>Sebagian program tidak dapat dimuat: %1</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 tidak ada</translation>
    </message>
</context>
<context>
    <name>CompareChart</name>
    <message>
        <source>Click a tick to take every configuration back to it</source>
        <translation>Klik sebuah detak untuk mengembalikan semua konfigurasi ke detak itu</translation>
    </message>
    <message>
        <source>Transmit window (packets)</source>
        <translation>Jendela kirim (paket)</translation>
    </message>
    <message>
        <source>Goodput (packets per 100 ticks, over the last 200)</source>
        <translation>Goodput (paket per 100 detak, selama 200 detak terakhir)</translation>
    </message>
    <message>
        <source>tick (50 ms at 1×)</source>
        <translation>detak (50 ms pada 1×)</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>Bandingkan</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Tidak ada</translation>
    </message>
    <message>
        <source>Configuration &amp;%1:</source>
        <translation>Konfigurasi &amp;%1:</translation>
    </message>
    <message>
        <source> (Network → Losses… changes them, here or in the comparison)</source>
        <translation> (Jaringan → Kehilangan… mengubahnya, di sini atau di perbandingan)</translation>
    </message>
    <message>
        <source>Run these side by side from one clock, with the same losses:</source>
        <translation>Jalankan berdampingan dengan satu jam dan kehilangan yang sama:</translation>
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
        <translation>Perbandingan: %1</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Jalankan</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>&amp;Langkah</translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation>Langkah &amp;mundur</translation>
    </message>
    <message>
        <source>Speed of the shared clock</source>
        <translation>Kecepatan jam bersama</translation>
    </message>
    <message>
        <source>&amp;Losses…</source>
        <translation>&amp;Kehilangan…</translation>
    </message>
    <message>
        <source>&amp;Diagram…</source>
        <translation>&amp;Diagram…</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Simpan…</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Lebih kecil</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Lebih besar</translation>
    </message>
    <message>
        <source>Each configuration loses the same packets and ACKs. A click on the chart takes all of them back to that tick; a packet or ACK you lose in one window is lost in the others too.</source>
        <translation>Setiap konfigurasi kehilangan paket dan ACK yang sama. Klik pada grafik mengembalikan semuanya ke detak itu; paket atau ACK yang Anda hilangkan di satu jendela juga hilang di jendela lainnya.</translation>
    </message>
    <message>
        <source>E&amp;xport Picture…</source>
        <translation>E&amp;kspor Gambar…</translation>
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
        <translation>pengirim</translation>
    </message>
    <message>
        <source>receiver</source>
        <translation>penerima</translation>
    </message>
    <message>
        <source>user</source>
        <translation>pengguna</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Detak</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Pihak</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Apa yang terjadi</translation>
    </message>
</context>
<context>
    <name>EventLogView</name>
    <message>
        <source>Show:</source>
        <translation>Tampilkan:</translation>
    </message>
</context>
<context>
    <name>LadderView</name>
    <message>
        <source>Time-Sequence Diagram</source>
        <translation>Diagram Urutan Waktu</translation>
    </message>
    <message>
        <source>Time-sequence diagram of the run</source>
        <translation>Diagram urutan waktu dari jalannya simulasi</translation>
    </message>
    <message>
        <source>Export Picture…</source>
        <translation>Ekspor Gambar…</translation>
    </message>
</context>
<context>
    <name>LegendDialog</name>
    <message>
        <source>Legend</source>
        <translation>Keterangan</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
</context>
<context>
    <name>LessonsDialog</name>
    <message>
        <source>Lessons</source>
        <translation>Pelajaran</translation>
    </message>
</context>
<context>
    <name>LossesDialog</name>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Hapus</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Kehilangan</translation>
    </message>
    <message>
        <source>At random</source>
        <translation>Acak</translation>
    </message>
    <message>
        <source>&amp;Packets lost:</source>
        <translation>&amp;Paket hilang:</translation>
    </message>
    <message>
        <source>&amp;ACKs lost:</source>
        <translation>&amp;ACK hilang:</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>&amp;Benih:</translation>
    </message>
    <message>
        <source>Packet</source>
        <translation>Paket</translation>
    </message>
    <message>
        <source>ACK for packet</source>
        <translation>ACK untuk paket</translation>
    </message>
    <message>
        <source>The packet&apos;s number; for an ACK, the packet whose arrival sends it</source>
        <translation>Nomor paket; untuk ACK, paket yang kedatangannya memicu ACK itu</translation>
    </message>
    <message>
        <source>transmission </source>
        <translation>pengiriman </translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Tambah</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Terencana</translation>
    </message>
    <message>
        <source>Each loss is a double click on the packet or ACK as it crosses the middle of the network, recorded like yours. The same seed loses the same packets in every run and every protocol.</source>
        <translation>Setiap kehilangan adalah klik ganda pada paket atau ACK saat melintasi tengah jaringan, direkam seperti milik Anda. Benih yang sama menghilangkan paket yang sama di setiap jalannya simulasi dan setiap protokol.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Berkas</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Tampilan</translation>
    </message>
    <message>
        <source>&amp;Time-Sequence Diagram</source>
        <translation>Diagram &amp;Urutan Waktu</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Bantuan</translation>
    </message>
    <message>
        <source>&amp;Lessons...</source>
        <translation>&amp;Pelajaran...</translation>
    </message>
    <message>
        <source>&amp;Keys and Mouse</source>
        <translation>&amp;Keyboard dan Tetikus</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Tentang</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Keluar dari layar penuh</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Shift+Tab</translation>
    </message>
    <message>
        <source>Move among the panel&apos;s controls, then into the flight area</source>
        <translation>Berpindah antar kontrol panel, lalu ke area lintasan</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spasi</translation>
    </message>
    <message>
        <source>Press the focused button or tick the focused box</source>
        <translation>Tekan tombol yang terfokus atau centang kotak yang terfokus</translation>
    </message>
    <message>
        <source>Arrow keys on a slider</source>
        <translation>Tombol panah pada penggeser</translation>
    </message>
    <message>
        <source>Up for more on the window and sequence sliders; Right for a longer timeout</source>
        <translation>Atas untuk menambah pada penggeser jendela dan urutan; Kanan untuk batas waktu yang lebih lama</translation>
    </message>
    <message>
        <source>Arrow keys in the flight area</source>
        <translation>Tombol panah di area lintasan</translation>
    </message>
    <message>
        <source>Pick a travelling packet or ACK (it is outlined)</source>
        <translation>Pilih paket atau ACK yang sedang berjalan (diberi garis tepi)</translation>
    </message>
    <message>
        <source>Space in the flight area</source>
        <translation>Spasi di area lintasan</translation>
    </message>
    <message>
        <source>Hold the picked one, or let it go on</source>
        <translation>Tahan yang dipilih, atau biarkan berjalan lagi</translation>
    </message>
    <message>
        <source>Delete in the flight area</source>
        <translation>Delete di area lintasan</translation>
    </message>
    <message>
        <source>Lose the picked one</source>
        <translation>Hilangkan yang dipilih</translation>
    </message>
    <message>
        <source>Keys and Mouse</source>
        <translation>Keyboard dan Tetikus</translation>
    </message>
    <message>
        <source>On the chart: the wheel zooms, the scroll bar below moves through the run, a click puts the cursor on a tick, a double click (or &lt;i&gt;Rewind to Cursor&lt;/i&gt;) goes back to it. Selecting a line of the log moves the cursor to its tick.</source>
        <translation>Pada grafik: roda menggulir memperbesar, bilah gulir di bawahnya menelusuri jalannya simulasi, klik menaruh kursor pada sebuah detak, klik ganda (atau &lt;i&gt;Mundur ke Kursor&lt;/i&gt;) kembali ke sana. Memilih baris log memindahkan kursor ke detaknya.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tentang</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Version %2&lt;/p&gt;&lt;p&gt;A sliding-window transport protocol with congestion control, animated on a 50 ms clock: slow start, congestion avoidance, fast retransmit and recovery, selective repeat, delayed ACKs and an adaptive timeout.&lt;/p&gt;&lt;p&gt;The run is recorded as it goes, so it can be stepped back, rewound to any earlier tick on the chart, and exported.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Versi %2&lt;/p&gt;&lt;p&gt;Protokol transpor jendela geser dengan kendali kemacetan, dianimasikan dengan jam 50 ms: slow start, penghindaran kemacetan, fast retransmit dan fast recovery, selective repeat, ACK tertunda, dan batas waktu adaptif.&lt;/p&gt;&lt;p&gt;Jalannya simulasi direkam sambil berjalan, sehingga dapat dimundurkan langkah demi langkah, dikembalikan ke detak mana pun sebelumnya pada grafik, dan diekspor.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>The window</source>
        <translation>Jendela</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>The time-sequence diagram</source>
        <translation>Diagram urutan waktu</translation>
    </message>
    <message>
        <source>The table of figures</source>
        <translation>Tabel angka</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Ekspor Gambar</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Tampilkan:</translation>
    </message>
    <message>
        <source>Export Comparison Picture</source>
        <translation>Ekspor Gambar Perbandingan</translation>
    </message>
    <message>
        <source>Show together:</source>
        <translation>Tampilkan bersama:</translation>
    </message>
    <message>
        <source>Export Handout</source>
        <translation>Ekspor Handout</translation>
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
        <translation>&amp;Kertas:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>sampai</translation>
    </message>
    <message>
        <source>Ticks from:</source>
        <translation>Detak dari:</translation>
    </message>
    <message>
        <source>four ticks spread over the range</source>
        <translation>empat detak tersebar di rentang itu</translation>
    </message>
    <message>
        <source>Up to four ticks, separated by commas, such as 0, 150, 300, 450</source>
        <translation>Paling banyak empat detak, dipisahkan koma, misalnya 0, 150, 300, 450</translation>
    </message>
    <message>
        <source>&amp;Window at ticks:</source>
        <translation>&amp;Jendela pada detak:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Ukuran:</translation>
    </message>
    <message>
        <source>Title line: the run, its protocol, losses and ticks</source>
        <translation>Baris judul: jalannya, protokolnya, kehilangan dan detaknya</translation>
    </message>
    <message>
        <source>Choose at least one view to show.</source>
        <translation>Pilih setidaknya satu tampilan untuk ditampilkan.</translation>
    </message>
    <message>
        <source>Window at ticks: %1.</source>
        <translation>Jendela pada detak: %1.</translation>
    </message>
</context>
<context>
    <name>PracticePanel</name>
    <message>
        <source>Practice</source>
        <translation>Latihan</translation>
    </message>
    <message>
        <source>Skip (Esc)</source>
        <translation>Lewati (Esc)</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Skor:</translation>
    </message>
    <message>
        <source>Questions per minute:</source>
        <translation>Soal per menit:</translation>
    </message>
    <message>
        <source>Copy Summary</source>
        <translation>Salin Ringkasan</translation>
    </message>
    <message>
        <source>Watching the run for the next question…</source>
        <translation>Mengamati jalannya simulasi untuk soal berikutnya…</translation>
    </message>
    <message>
        <source>Watch the run: the event comes in a few ticks.</source>
        <translation>Amati jalannya simulasi: peristiwanya datang dalam beberapa detak.</translation>
    </message>
    <message>
        <source>Skipped: the run gave %1.</source>
        <translation>Dilewati: simulasi menghasilkan %1.</translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>Benar.</translation>
    </message>
    <message>
        <source>Not so: the run gave %1.</source>
        <translation>Bukan: simulasi menghasilkan %1.</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>%1 dari %2 benar</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Time-Sequence Diagrams, Ticks %1 to %2</source>
        <translation>Diagram Urutan Waktu, Detak %1 sampai %2</translation>
    </message>
    <message>
        <source>A receiver cell: a packet&apos;s number. Its colour (and, with state marks on, its mark) says whether the receiver awaits or holds the packet; View &gt; Legend explains them.</source>
        <translation>Sel penerima: nomor sebuah paket. Warnanya (dan, dengan tanda status menyala, tandanya) menunjukkan apakah penerima menunggu atau menyimpan paket itu; Tampilan &gt; Keterangan menjelaskannya.</translation>
    </message>
    <message>
        <source>A packet on its way to the receiver. </source>
        <translation>Paket dalam perjalanan ke penerima. </translation>
    </message>
    <message>
        <source>An ACK on its way back to the sender. </source>
        <translation>ACK dalam perjalanan kembali ke pengirim. </translation>
    </message>
    <message>
        <source>sender cell</source>
        <translation>sel pengirim</translation>
    </message>
    <message>
        <source>receiver cell</source>
        <translation>sel penerima</translation>
    </message>
    <message>
        <source>Timeout Timer</source>
        <translation>Pewaktu Batas Waktu</translation>
    </message>
    <message>
        <source>Tx Window Size</source>
        <translation>Ukuran Jendela Kirim</translation>
    </message>
    <message>
        <source>Rx Window Size</source>
        <translation>Ukuran Jendela Terima</translation>
    </message>
    <message>
        <source>Max Sequence No</source>
        <translation>Nomor Urut Maks.</translation>
    </message>
    <message>
        <source>setting %1</source>
        <translation>nilai %1</translation>
    </message>
    <message>
        <source>highest sequence number %1</source>
        <translation>nomor urut tertinggi %1</translation>
    </message>
    <message>
        <source>%1 packets</source>
        <translation>%1 paket</translation>
    </message>
    <message>
        <source>Timeout bar: runs down while the packet waits for its ACK; when it is empty the packet is sent again.</source>
        <translation>Bilah batas waktu: berkurang selama paket menunggu ACK-nya; ketika kosong, paket dikirim ulang.</translation>
    </message>
    <message>
        <source>The sender strip. The purple frame is the sender&apos;s window: the packets it may send before an ACK comes back.</source>
        <translation>Strip pengirim. Bingkai ungu adalah jendela pengirim: paket yang boleh dikirimnya sebelum ACK kembali.</translation>
    </message>
    <message>
        <source>The receiver strip. The purple frame is the receiver&apos;s window: the packets it takes in.</source>
        <translation>Strip penerima. Bingkai ungu adalah jendela penerima: paket yang diterimanya.</translation>
    </message>
    <message>
        <source>Packets travel down on the left, ACKs up on the right. </source>
        <translation>Paket turun di kiri, ACK naik di kanan. </translation>
    </message>
    <message>
        <source>Page &amp;Address...</source>
        <translation>&amp;Alamat Halaman...</translation>
    </message>
    <message>
        <source>Page Address</source>
        <translation>Alamat Halaman</translation>
    </message>
    <message>
        <source>The address where the page is published (https://...):</source>
        <translation>Alamat tempat halaman diterbitkan (https://...):</translation>
    </message>
    <message>
        <source>Show Link as &amp;QR Code</source>
        <translation>Tampilkan Tautan sebagai Kode &amp;QR</translation>
    </message>
    <message>
        <source>Show Link as QR Code (set the page&apos;s address first: View &gt; Page Address or --page-url URL)</source>
        <translation>Tampilkan Tautan sebagai Kode QR (atur dulu alamat halaman: Tampilan &gt; Alamat Halaman atau --page-url URL)</translation>
    </message>
    <message>
        <source>The page address %1 is not used: it must be a web address beginning with https:// or http://, or a file:// address.</source>
        <translation>Alamat halaman %1 tidak dipakai: harus berupa alamat web yang diawali https:// atau http://, atau alamat file://.</translation>
    </message>
    <message>
        <source>&amp;Chart and Log</source>
        <translation>&amp;Grafik dan Log</translation>
    </message>
    <message>
        <source>&amp;Open Run...</source>
        <translation>&amp;Buka Simulasi...</translation>
    </message>
    <message>
        <source>&amp;Save Run As...</source>
        <translation>&amp;Simpan Simulasi Sebagai...</translation>
    </message>
    <message>
        <source>Export Chart as &amp;PNG...</source>
        <translation>Ekspor Grafik sebagai &amp;PNG...</translation>
    </message>
    <message>
        <source>Export Chart as PNG</source>
        <translation>Ekspor Grafik sebagai PNG</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Gambar PNG (*.png)</translation>
    </message>
    <message>
        <source>Export Chart as S&amp;VG...</source>
        <translation>Ekspor Grafik sebagai S&amp;VG...</translation>
    </message>
    <message>
        <source>Export Chart as SVG</source>
        <translation>Ekspor Grafik sebagai SVG</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Gambar SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export Run as &amp;CSV...</source>
        <translation>Ekspor Simulasi sebagai &amp;CSV...</translation>
    </message>
    <message>
        <source>Export Run as CSV</source>
        <translation>Ekspor Simulasi sebagai CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Berkas CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Run as Packet Ca&amp;pture...</source>
        <translation>Ekspor Simulasi sebagai Tangkapan &amp;Paket...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>Tidak dapat menulis %1.</translation>
    </message>
    <message>
        <source>Packet capture at the sender (*.pcap)</source>
        <translation>Tangkapan paket di pengirim (*.pcap)</translation>
    </message>
    <message>
        <source>Packet capture at the receiver (*.pcap)</source>
        <translation>Tangkapan paket di penerima (*.pcap)</translation>
    </message>
    <message>
        <source>Export Run as Packet Capture</source>
        <translation>Ekspor Simulasi sebagai Tangkapan Paket</translation>
    </message>
    <message>
        <source>Open Run</source>
        <translation>Buka Simulasi</translation>
    </message>
    <message>
        <source>Runs (*.swrun *.json);;All files (*)</source>
        <translation>Simulasi (*.swrun *.json);;Semua berkas (*)</translation>
    </message>
    <message>
        <source>Save Run As</source>
        <translation>Simpan Simulasi Sebagai</translation>
    </message>
    <message>
        <source>Runs (*.swrun);;Runs, as before (*.json)</source>
        <translation>Simulasi (*.swrun);;Simulasi, format lama (*.json)</translation>
    </message>
    <message>
        <source>%1 cannot be opened. %2</source>
        <translation>%1 tidak dapat dibuka. %2</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Jalankan</translation>
    </message>
    <message>
        <source>S&amp;tep One Tick</source>
        <translation>&amp;Maju Satu Detak</translation>
    </message>
    <message>
        <source>Step &amp;Back One Tick</source>
        <translation>M&amp;undur Satu Detak</translation>
    </message>
    <message>
        <source>&amp;Compare…</source>
        <translation>&amp;Bandingkan…</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>&amp;Latihan</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>Kece&amp;patan</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opsi</translation>
    </message>
    <message>
        <source>&amp;Protocol</source>
        <translation>&amp;Protokol</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>&amp;Jaringan</translation>
    </message>
    <message>
        <source>&amp;Losses…</source>
        <translation>&amp;Kehilangan…</translation>
    </message>
    <message>
        <source>&amp;No Losses</source>
        <translation>&amp;Tanpa Kehilangan</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Per&amp;besar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Per&amp;kecil</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>Ukuran &amp;Asli</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Layar Penuh</translation>
    </message>
    <message>
        <source>Colour-blind safe colours</source>
        <translation>Warna aman untuk buta warna</translation>
    </message>
    <message>
        <source>State marks</source>
        <translation>Tanda status</translation>
    </message>
    <message>
        <source>&amp;Legend</source>
        <translation>&amp;Keterangan</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Bahasa</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Bahasa</translation>
    </message>
    <message>
        <source>The program speaks %1 from its next start.</source>
        <translation>Program akan memakai %1 mulai saat dijalankan berikutnya.</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Bahasa sistem</translation>
    </message>
    <message>
        <source>Classroom &amp;Session…</source>
        <translation>&amp;Sesi Kelas…</translation>
    </message>
    <message>
        <source>Export Class &amp;Answers…</source>
        <translation>Ekspor &amp;Jawaban Kelas…</translation>
    </message>
    <message>
        <source>Export Class Answers</source>
        <translation>Ekspor Jawaban Kelas</translation>
    </message>
    <message>
        <source>Now %1.</source>
        <translation>Sekarang: %1.</translation>
    </message>
    <message>
        <source>Copy &amp;Link to Run</source>
        <translation>Salin &amp;Tautan ke Jalannya</translation>
    </message>
    <message>
        <source>Export P&amp;icture...</source>
        <translation>Ekspor &amp;Gambar...</translation>
    </message>
    <message>
        <source>Export &amp;Figures as CSV...</source>
        <translation>Ekspor &amp;Angka sebagai CSV...</translation>
    </message>
    <message>
        <source>Export Figures as CSV</source>
        <translation>Ekspor Angka sebagai CSV</translation>
    </message>
    <message>
        <source>Export &amp;Handout (PDF)...</source>
        <translation>Ekspor &amp;Handout (PDF)...</translation>
    </message>
    <message>
        <source>P&amp;rint Handout...</source>
        <translation>Ce&amp;tak Handout...</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Ekspor Gambar</translation>
    </message>
    <message>
        <source>PNG images (*.png);;SVG drawings (*.svg)</source>
        <translation>Gambar PNG (*.png);;Gambar SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export Comparison Picture</source>
        <translation>Ekspor Gambar Perbandingan</translation>
    </message>
    <message>
        <source>Export Handout</source>
        <translation>Ekspor Handout</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Dokumen PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The handout could not be printed.</source>
        <translation>Handout tidak dapat dicetak.</translation>
    </message>
    <message>
        <source>&amp;Go to Tick…</source>
        <translation>&amp;Pergi ke Detak…</translation>
    </message>
    <message>
        <source>Go to Tick</source>
        <translation>Pergi ke Detak</translation>
    </message>
    <message>
        <source>Tick (now %1; a later tick plays on to it, an earlier one rewinds):</source>
        <translation>Detak (sekarang %1; detak yang lebih akhir diputar sampai ke sana, yang lebih awal diputar mundur):</translation>
    </message>
</context>
<context>
    <name>QrDialog</name>
    <message>
        <source>Link as QR Code</source>
        <translation>Tautan sebagai Kode QR</translation>
    </message>
    <message>
        <source>QR code of the link to this run</source>
        <translation>Kode QR tautan ke simulasi ini</translation>
    </message>
    <message>
        <source>Scan to open this run on a phone (%1 characters).</source>
        <translation>Pindai untuk membuka simulasi ini di ponsel (%1 karakter).</translation>
    </message>
    <message>
        <source>&amp;Copy Link</source>
        <translation>&amp;Salin Tautan</translation>
    </message>
</context>
<context>
    <name>RunChart</name>
    <message>
        <source>tick (50 ms at 1×)</source>
        <translation>detak (50 ms pada 1×)</translation>
    </message>
    <message>
        <source>packets</source>
        <translation>paket</translation>
    </message>
    <message>
        <source>Avoidance</source>
        <translation>Penghindaran kemacetan</translation>
    </message>
    <message>
        <source>tick %1</source>
        <translation>detak %1</translation>
    </message>
    <message>
        <source>Put Cursor on Tick %1</source>
        <translation>Taruh Kursor pada Detak %1</translation>
    </message>
    <message>
        <source>Rewind to Tick %1</source>
        <translation>Mundur ke Detak %1</translation>
    </message>
    <message>
        <source>Export Picture…</source>
        <translation>Ekspor Gambar…</translation>
    </message>
</context>
<context>
    <name>RunPanel</name>
    <message>
        <source>Chart and Log</source>
        <translation>Grafik dan Log</translation>
    </message>
    <message>
        <source>The run the chart, the log and the CSV export show; each Reset begins a new run</source>
        <translation>Simulasi yang ditampilkan grafik, log, dan ekspor CSV; setiap Reset memulai simulasi baru</translation>
    </message>
    <message>
        <source>Run 1 (current)</source>
        <translation>Simulasi 1 (saat ini)</translation>
    </message>
    <message>
        <source>Follow Run</source>
        <translation>Ikuti Simulasi</translation>
    </message>
    <message>
        <source>Keep the latest tick at the right edge</source>
        <translation>Jaga detak terbaru di tepi kanan</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Perbesar</translation>
    </message>
    <message>
        <source>Fewer ticks across the chart (%1)</source>
        <translation>Lebih sedikit detak pada grafik (%1)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Perkecil</translation>
    </message>
    <message>
        <source>More ticks across the chart (%1)</source>
        <translation>Lebih banyak detak pada grafik (%1)</translation>
    </message>
    <message>
        <source>Whole Run</source>
        <translation>Seluruh Simulasi</translation>
    </message>
    <message>
        <source>Every tick so far</source>
        <translation>Semua detak sejauh ini</translation>
    </message>
    <message>
        <source>Rewind to Cursor</source>
        <translation>Mundur ke Kursor</translation>
    </message>
    <message>
        <source>Go back to the tick under the cursor and pause there; what happened after it is dropped (also: double click on the chart)</source>
        <translation>Kembali ke detak di bawah kursor dan berhenti di sana; yang terjadi sesudahnya dibuang (juga: klik ganda pada grafik)</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>Simulasi %1</translation>
    </message>
    <message>
        <source> (current)</source>
        <translation> (saat ini)</translation>
    </message>
    <message>
        <source>  cursor: tick %1 of %2</source>
        <translation>  kursor: detak %1 dari %2</translation>
    </message>
    <message>
        <source>  tick %1 (click the chart to put the cursor on a tick)</source>
        <translation>  detak %1 (klik grafik untuk menaruh kursor pada sebuah detak)</translation>
    </message>
</context>
<context>
    <name>chart</name>
    <message>
        <source>Tx window</source>
        <translation>Jendela kirim</translation>
    </message>
    <message>
        <source>SSThresh</source>
        <translation>SSThresh</translation>
    </message>
    <message>
        <source>Flight size</source>
        <translation>Flight size</translation>
    </message>
    <message>
        <source>Rx window</source>
        <translation>Jendela terima</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Batas waktu habis</translation>
    </message>
    <message>
        <source>Fast retransmit</source>
        <translation>Fast retransmit</translation>
    </message>
    <message>
        <source>Packet lost</source>
        <translation>Paket hilang</translation>
    </message>
    <message>
        <source>ACK lost</source>
        <translation>ACK hilang</translation>
    </message>
    <message>
        <source>State change</source>
        <translation>Perubahan status</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>Dibuang</translation>
    </message>
    <message>
        <source>Avoidance</source>
        <translation>Penghindaran kemacetan</translation>
    </message>
</context>
<context>
    <name>diagram</name>
    <message>
        <source>%1 (seq %2)</source>
        <translation>%1 (urut %2)</translation>
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
        <translation>batas waktu habis</translation>
    </message>
    <message>
        <source>fast retransmit</source>
        <translation>fast retransmit</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>drop %1</source>
        <translation>buang %1</translation>
    </message>
</context>
<context>
    <name>figures</name>
    <message>
        <source>Delivered in order</source>
        <translation>Terkirim berurutan</translation>
    </message>
    <message>
        <source>Retransmissions</source>
        <translation>Pengiriman ulang</translation>
    </message>
    <message>
        <source>Timeouts</source>
        <translation>Batas waktu habis</translation>
    </message>
    <message>
        <source>Drops by the receiver</source>
        <translation>Dibuang oleh penerima</translation>
    </message>
    <message>
        <source>Goodput (per 100 ticks)</source>
        <translation>Goodput (per 100 detak)</translation>
    </message>
    <message>
        <source>Goodput, last 200 ticks</source>
        <translation>Goodput, 200 detak terakhir</translation>
    </message>
</context>
<context>
    <name>legend</name>
    <message>
        <source>not sent yet</source>
        <translation>belum dikirim</translation>
    </message>
    <message>
        <source>queued</source>
        <translation>dalam antrean</translation>
    </message>
    <message>
        <source>queued, waiting for its first trip</source>
        <translation>dalam antrean, menunggu pengiriman pertamanya</translation>
    </message>
    <message>
        <source>queued again to be resent</source>
        <translation>masuk antrean lagi untuk dikirim ulang</translation>
    </message>
    <message>
        <source>queued again, waiting to be resent</source>
        <translation>masuk antrean lagi, menunggu dikirim ulang</translation>
    </message>
    <message>
        <source>in flight</source>
        <translation>dalam perjalanan</translation>
    </message>
    <message>
        <source>in flight (sent once)</source>
        <translation>dalam perjalanan (dikirim sekali)</translation>
    </message>
    <message>
        <source>in flight, retransmitted</source>
        <translation>dalam perjalanan, dikirim ulang</translation>
    </message>
    <message>
        <source>sent again, in flight once more</source>
        <translation>dikirim lagi, dalam perjalanan lagi</translation>
    </message>
    <message>
        <source>marked for a selective resend</source>
        <translation>ditandai untuk pengiriman ulang selektif</translation>
    </message>
    <message>
        <source>marked to be resent at the next tick (selective repeat)</source>
        <translation>ditandai untuk dikirim ulang pada detak berikutnya (selective repeat)</translation>
    </message>
    <message>
        <source>acknowledged</source>
        <translation>diakui</translation>
    </message>
    <message>
        <source>acknowledged: done</source>
        <translation>diakui: selesai</translation>
    </message>
    <message>
        <source>outside the receive window</source>
        <translation>di luar jendela terima</translation>
    </message>
    <message>
        <source>awaited</source>
        <translation>ditunggu</translation>
    </message>
    <message>
        <source>inside the window, not here yet</source>
        <translation>di dalam jendela, belum tiba</translation>
    </message>
    <message>
        <source>received</source>
        <translation>diterima</translation>
    </message>
    <message>
        <source>received under another packet&apos;s number</source>
        <translation>diterima dengan nomor paket lain</translation>
    </message>
    <message>
        <source>taken in under another packet&apos;s number (too few sequence numbers)</source>
        <translation>diterima dengan nomor paket lain (nomor urut terlalu sedikit)</translation>
    </message>
    <message>
        <source>✕ lost here</source>
        <translation>✕ hilang di sini</translation>
    </message>
    <message>
        <source>A click on a travelling packet or ACK holds it and a click on a held one lets it go on, but until the clock has run seven ticks after such a click (350 ms at 1×, 91 ms at 4×; a paused clock runs none), any further click on a packet or ACK loses the one clicked.</source>
        <translation>Klik pada paket atau ACK yang sedang berjalan menahannya dan klik pada yang ditahan membiarkannya berjalan lagi, tetapi sampai jam berjalan tujuh detak setelah klik seperti itu (350 ms pada 1×, 91 ms pada 4×; jam yang dijeda tidak berjalan), klik berikutnya pada paket atau ACK menghilangkan yang diklik.</translation>
    </message>
    <message>
        <source>Flight area</source>
        <translation>Area lintasan</translation>
    </message>
    <message>
        <source>The arrow keys pick a travelling packet or ACK, Space holds or releases it, Delete loses it.</source>
        <translation>Tombol panah memilih paket atau ACK yang sedang berjalan, Spasi menahan atau melepasnya, Delete menghilangkannya.</translation>
    </message>
    <message>
        <source>Sender cells: what has happened to each packet</source>
        <translation>Sel pengirim: apa yang terjadi pada setiap paket</translation>
    </message>
    <message>
        <source>Timeout bar above the cell: runs down while the packet waits for its ACK; when it is empty the packet is sent again.</source>
        <translation>Bilah batas waktu di atas sel: berkurang selama paket menunggu ACK-nya; ketika kosong, paket dikirim ulang.</translation>
    </message>
    <message>
        <source>Receiver cells: what the receiver holds</source>
        <translation>Sel penerima: apa yang disimpan penerima</translation>
    </message>
    <message>
        <source>Windows, packets and ACKs</source>
        <translation>Jendela, paket, dan ACK</translation>
    </message>
    <message>
        <source>Purple frame: the sender&apos;s window (top) and the receiver&apos;s window (bottom).</source>
        <translation>Bingkai ungu: jendela pengirim (atas) dan jendela penerima (bawah).</translation>
    </message>
    <message>
        <source>Outlined packet or ACK: held by a click; it waits where it is.</source>
        <translation>Paket atau ACK bergaris tepi: ditahan oleh klik; menunggu di tempatnya.</translation>
    </message>
    <message>
        <source>A held packet or ACK waits where it is (turn on state marks to outline it).</source>
        <translation>Paket atau ACK yang ditahan menunggu di tempatnya (nyalakan tanda status untuk memberinya garis tepi).</translation>
    </message>
    <message>
        <source>A packet or ACK removed by a click leaves this mark for a moment (with state marks on). </source>
        <translation>Paket atau ACK yang dihapus dengan klik meninggalkan tanda ini sesaat (dengan tanda status menyala). </translation>
    </message>
    <message>
        <source>packet %1, sequence number %2, held</source>
        <translation>paket %1, nomor urut %2, ditahan</translation>
    </message>
    <message>
        <source>packet %1, sequence number %2, travelling</source>
        <translation>paket %1, nomor urut %2, dalam perjalanan</translation>
    </message>
    <message>
        <source>ACK for sequence number %1 (packet %2), sent when packet %3 arrived, held</source>
        <translation>ACK untuk nomor urut %1 (paket %2), dikirim saat paket %3 tiba, ditahan</translation>
    </message>
    <message>
        <source>ACK for sequence number %1 (packet %2), sent when packet %3 arrived, travelling</source>
        <translation>ACK untuk nomor urut %1 (paket %2), dikirim saat paket %3 tiba, dalam perjalanan</translation>
    </message>
    <message>
        <source>ACK, held</source>
        <translation>ACK, ditahan</translation>
    </message>
    <message>
        <source>ACK, travelling</source>
        <translation>ACK, dalam perjalanan</translation>
    </message>
    <message>
        <source>packet, held</source>
        <translation>paket, ditahan</translation>
    </message>
    <message>
        <source>packet, travelling</source>
        <translation>paket, dalam perjalanan</translation>
    </message>
</context>
<context>
    <name>lesson auto-rtt-timeout</name>
    <message>
        <source>A timeout with Auto RTT backing the timer off</source>
        <translation>Batas waktu habis dengan Auto RTT memperpanjang pewaktu</translation>
    </message>
    <message>
        <source>Auto RTT is on and the timeout starts at 4, shorter than a round trip of 146 ticks. Packet 1 is lost at tick 15. At tick 93 packet 0&apos;s timer runs out before its ACK could return (timeout marker) and Auto RTT doubles the timeout setting to 8; packet 1 times out at tick 147 and the setting doubles again, to 16. As ACKs come back in time, Auto RTT brings the setting down step by step: 8 at tick 293, 7 at tick 304, 6 at tick 439.</source>
        <translation>Auto RTT menyala dan batas waktu dimulai dari 4, lebih pendek dari perjalanan pulang-pergi 146 detak. Paket 1 hilang pada detak 15. Pada detak 93 pewaktu paket 0 habis sebelum ACK-nya sempat kembali (penanda batas waktu) dan Auto RTT menggandakan batas waktu menjadi 8; paket 1 habis waktunya pada detak 147 dan nilainya berlipat lagi, menjadi 16. Karena ACK kembali tepat waktu, Auto RTT menurunkan nilainya setahap demi setahap: 8 pada detak 293, 7 pada detak 304, 6 pada detak 439.</translation>
    </message>
    <message>
        <source>The timeout setting of 4 is shorter than a round trip. Which packets will be sent again when the first timer runs out?</source>
        <translation>Batas waktu 4 lebih pendek dari satu perjalanan pulang-pergi. Paket mana yang akan dikirim ulang ketika pewaktu pertama habis?</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>paket 1</translation>
    </message>
    <message>
        <source>packet 0</source>
        <translation>paket 0</translation>
    </message>
    <message>
        <source>packets 0 to 3</source>
        <translation>paket 0 sampai 3</translation>
    </message>
    <message>
        <source>Packet 0 was not lost: its ACK simply had no time to come back. Its timer runs out first and it is sent again needlessly, and Auto RTT doubles the timeout setting so that it does not happen again.</source>
        <translation>Paket 0 tidak hilang: ACK-nya hanya belum sempat kembali. Pewaktunya habis lebih dulu dan paket itu dikirim ulang tanpa perlu, lalu Auto RTT menggandakan batas waktu agar hal itu tidak terulang.</translation>
    </message>
</context>
<context>
    <name>lesson fast-retransmit</name>
    <message>
        <source>Fast retransmit after three duplicate ACKs</source>
        <translation>Fast retransmit setelah tiga ACK duplikat</translation>
    </message>
    <message>
        <source>Slow Start and Fast Retransmit are on, with the timeout at 12 as the option suggests. Packet 4 is lost at tick 230. The packets behind it each bring back a duplicate ACK asking for packet 4. The third duplicate arrives at tick 450: the sender resends packet 4 at once, without waiting for its timer (fast-retransmit marker), sets the threshold to half the 6 packets in flight, 3, and keeps sending. The first ACK that is not a duplicate ends fast recovery at tick 596.</source>
        <translation>Slow Start dan Fast Retransmit menyala, dengan batas waktu 12 seperti yang disarankan opsi itu. Paket 4 hilang pada detak 230. Paket-paket di belakangnya masing-masing membawa kembali ACK duplikat yang meminta paket 4. Duplikat ketiga tiba pada detak 450: pengirim langsung mengirim ulang paket 4 tanpa menunggu pewaktunya (penanda fast retransmit), menetapkan ambang menjadi setengah dari 6 paket yang sedang berjalan, yaitu 3, dan terus mengirim. ACK pertama yang bukan duplikat mengakhiri fast recovery pada detak 596.</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet 4 is on its way. Which packets will be sent again?</source>
        <translation>ACK duplikat ketiga yang meminta paket 4 sedang dalam perjalanan. Paket mana yang akan dikirim ulang?</translation>
    </message>
    <message>
        <source>packet 4</source>
        <translation>paket 4</translation>
    </message>
    <message>
        <source>packets 4 to 9</source>
        <translation>paket 4 sampai 9</translation>
    </message>
    <message>
        <source>packet 5</source>
        <translation>paket 5</translation>
    </message>
    <message>
        <source>Three duplicate ACKs tell the sender that one packet is missing and the ones behind it arrived: it resends only that packet at once, without waiting for its timer.</source>
        <translation>Tiga ACK duplikat memberi tahu pengirim bahwa satu paket hilang dan paket-paket sesudahnya sudah tiba: pengirim langsung mengirim ulang paket itu saja, tanpa menunggu pewaktunya.</translation>
    </message>
    <message>
        <source>The first ACK after the fast retransmit is on its way. What will SSThresh be?</source>
        <translation>ACK pertama setelah fast retransmit sedang dalam perjalanan. Berapa SSThresh nantinya?</translation>
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
        <translation>Fast retransmit menetapkan ambang menjadi setengah dari paket yang sedang berjalan, tetapi terus mengirim alih-alih mulai lagi dari satu paket.</translation>
    </message>
</context>
<context>
    <name>lesson go-back-n</name>
    <message>
        <source>Go-back-N (textbook) recovering one lost packet</source>
        <translation>Go-back-N (buku teks) memulihkan satu paket yang hilang</translation>
    </message>
    <message>
        <source>Go-back-N as the textbooks teach it: on a timeout the sender goes back and sends every unacknowledged packet again, and the receiver keeps only in-order packets. Packet 1 is lost at tick 15 (double click). Packets 2, 3 and 4 arrive after the gap and are thrown away (ticks 96, 107 and 220), so every ACK keeps asking for packet 1. At tick 174 packet 1&apos;s timer runs out (timeout marker): the sender goes back and queues packets 1, 2, 3 and 4 again (&quot;Going back: retransmitting packet&quot;, ticks 174 to 176). They arrive in order, by tick 280 the receiver asks for packet 5, and nothing is dropped after that. One loss costs one window of retransmissions, once.</source>
        <translation>Go-back-N seperti yang diajarkan buku teks: saat batas waktu habis pengirim mundur dan mengirim lagi setiap paket yang belum diakui, dan penerima hanya menyimpan paket yang berurutan. Paket 1 hilang pada detak 15 (klik ganda). Paket 2, 3, dan 4 tiba setelah celah dan dibuang (detak 96, 107, dan 220), sehingga setiap ACK tetap meminta paket 1. Pada detak 174 pewaktu paket 1 habis (penanda batas waktu): pengirim mundur dan memasukkan lagi paket 1, 2, 3, dan 4 ke antrean (&quot;Going back: retransmitting packet&quot;, detak 174 sampai 176). Semuanya tiba berurutan, pada detak 280 penerima meminta paket 5, dan tidak ada lagi yang dibuang sesudahnya. Satu kehilangan memakan satu jendela pengiriman ulang, sekali.</translation>
    </message>
    <message>
        <source>Packet 1 was lost. A packet after the gap arrives at the in-order receiver. Which packet will the receiver ask for next?</source>
        <translation>Paket 1 hilang. Sebuah paket setelah celah tiba di penerima berurutan. Paket mana yang akan diminta penerima berikutnya?</translation>
    </message>
    <message>
        <source>packet 3</source>
        <translation>paket 3</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>paket 1</translation>
    </message>
    <message>
        <source>packet 4</source>
        <translation>paket 4</translation>
    </message>
    <message>
        <source>The in-order receiver throws away a packet it did not expect and asks again for the one it is waiting for: every ACK names the next packet wanted, here still packet 1.</source>
        <translation>Penerima berurutan membuang paket yang tidak diharapkannya dan meminta lagi paket yang ditunggunya: setiap ACK menyebut paket berikutnya yang diinginkan, di sini masih paket 1.</translation>
    </message>
</context>
<context>
    <name>lesson go-back-n-original-receiver</name>
    <message>
        <source>Go-back-N sender with a receiver that keeps out-of-order packets</source>
        <translation>Pengirim go-back-N dengan penerima yang menyimpan paket tak berurutan</translation>
    </message>
    <message>
        <source>The same loss as the go-back-N lesson, but with the original sender and receiver: the sender resends only the packet whose timer ran out, and the receiver keeps packets that arrive after a gap. Packet 1 is lost at tick 15; packets 2, 3 and 4 are kept. At tick 174 packet 1 times out and is sent again, and when it arrives (tick 247) one cumulative ACK asks for packet 5: everything up to 4 is acknowledged at once. Only the lost packet was sent twice, so this sender behaves almost like selective repeat; the difference is that it needed a timeout to learn of the loss.</source>
        <translation>Kehilangan yang sama seperti pelajaran go-back-N, tetapi dengan pengirim dan penerima asli: pengirim hanya mengirim ulang paket yang pewaktunya habis, dan penerima menyimpan paket yang tiba setelah celah. Paket 1 hilang pada detak 15; paket 2, 3, dan 4 disimpan. Pada detak 174 paket 1 habis waktunya dan dikirim ulang, dan saat tiba (detak 247) satu ACK kumulatif meminta paket 5: semuanya sampai 4 diakui sekaligus. Hanya paket yang hilang yang dikirim dua kali, jadi pengirim ini berperilaku hampir seperti selective repeat; bedanya, ia butuh batas waktu habis untuk mengetahui kehilangan itu.</translation>
    </message>
    <message>
        <source>Packet 1&apos;s timer is about to run out. Which packets will be sent again?</source>
        <translation>Pewaktu paket 1 akan segera habis. Paket mana yang akan dikirim ulang?</translation>
    </message>
    <message>
        <source>packets 1 to 4</source>
        <translation>paket 1 sampai 4</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>paket 1</translation>
    </message>
    <message>
        <source>packet 2</source>
        <translation>paket 2</translation>
    </message>
    <message>
        <source>The original sender resends only the packet whose timer ran out. The receiver kept packets 2 to 4, so when packet 1 arrives one cumulative ACK covers them all.</source>
        <translation>Pengirim asli hanya mengirim ulang paket yang pewaktunya habis. Penerima menyimpan paket 2 sampai 4, jadi ketika paket 1 tiba satu ACK kumulatif mencakup semuanya.</translation>
    </message>
</context>
<context>
    <name>lesson lost-ack</name>
    <message>
        <source>A lost ACK covered by the next cumulative ACK</source>
        <translation>ACK yang hilang tertutupi oleh ACK kumulatif berikutnya</translation>
    </message>
    <message>
        <source>At tick 80 the ACK asking for packet 1 is lost (double click on it; ACK-lost marker). Nothing needs resending: the next ACK, asking for packet 2, arrives a few ticks later and acknowledges packets 0 and 1 together, because every ACK names the next packet the receiver wants. No timeout happens in the whole run.</source>
        <translation>Pada detak 80 ACK yang meminta paket 1 hilang (klik ganda padanya; penanda ACK hilang). Tidak ada yang perlu dikirim ulang: ACK berikutnya, yang meminta paket 2, tiba beberapa detak kemudian dan mengakui paket 0 dan 1 bersama-sama, karena setiap ACK menyebut paket berikutnya yang diinginkan penerima. Tidak ada batas waktu habis sepanjang simulasi.</translation>
    </message>
    <message>
        <source>The ACK asking for packet 1 was lost. What will the sender do about packet 0?</source>
        <translation>ACK yang meminta paket 1 hilang. Apa yang akan dilakukan pengirim terhadap paket 0?</translation>
    </message>
    <message>
        <source>Resend packet 0 when its timer runs out</source>
        <translation>Mengirim ulang paket 0 ketika pewaktunya habis</translation>
    </message>
    <message>
        <source>Nothing: the next ACK acknowledges it too</source>
        <translation>Tidak ada: ACK berikutnya juga mengakuinya</translation>
    </message>
    <message>
        <source>Resend packets 0 and 1 at once</source>
        <translation>Langsung mengirim ulang paket 0 dan 1</translation>
    </message>
    <message>
        <source>Every ACK names the next packet the receiver wants, so the ACK asking for packet 2 acknowledges packets 0 and 1 together: a lost ACK costs nothing when another follows in time.</source>
        <translation>Setiap ACK menyebut paket berikutnya yang diinginkan penerima, jadi ACK yang meminta paket 2 mengakui paket 0 dan 1 bersama-sama: ACK yang hilang tidak merugikan apa pun bila ACK lain menyusul tepat waktu.</translation>
    </message>
</context>
<context>
    <name>lesson one-at-a-time</name>
    <message>
        <source>One packet at a time against a window of eight</source>
        <translation>Satu paket sekali kirim melawan jendela delapan</translation>
    </message>
    <message>
        <source>The transmit window starts at one packet: the sender puts packet 0 on the wire and waits 146 ticks for its ACK before packet 1 may leave, so the line stands idle most of the time. At tick 350 the Tx Window Size slider moves to 8 and the sender fills the pipe: eight packets travel at once, and as many ACKs come back as fast as they can. Compare how far the sender strip has got at tick 350 and at tick 700.</source>
        <translation>Jendela kirim dimulai dari satu paket: pengirim menaruh paket 0 di saluran dan menunggu ACK-nya selama 146 detak sebelum paket 1 boleh berangkat, sehingga saluran menganggur hampir sepanjang waktu. Pada detak 350 penggeser Ukuran Jendela Kirim pindah ke 8 dan pengirim mengisi saluran: delapan paket berjalan bersamaan, dan ACK sebanyak itu kembali secepat mungkin. Bandingkan sejauh mana strip pengirim sudah maju pada detak 350 dan pada detak 700.</translation>
    </message>
    <message>
        <source>The Tx Window Size slider moves from 1 to 8 at tick 350. How many packets will travel at once soon after?</source>
        <translation>Penggeser Ukuran Jendela Kirim pindah dari 1 ke 8 pada detak 350. Berapa paket yang akan berjalan bersamaan tak lama kemudian?</translation>
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
        <translation>Jendela kirim adalah jumlah paket yang boleh sudah dikirim tetapi belum diakui. Pada 8 pengirim menaruh delapan paket di saluran tanpa menunggu, sehingga saluran sibuk alih-alih menganggur.</translation>
    </message>
</context>
<context>
    <name>lesson same-losses</name>
    <message>
        <source>Same losses, three protocols</source>
        <translation>Kehilangan sama, tiga protokol</translation>
    </message>
    <message>
        <source>Three protocols run side by side from one clock, and the network loses 5 % of the packets in each, drawn from seed 7: whether a packet is lost depends only on its number and which transmission of it this is, so the same packets are lost under all three. Packets 9, 15 and 18 are lost under every protocol; go-back-N and selective repeat lose 9 at tick 195 and 15 at tick 261, stop-and-wait only reaches packet 9 at tick 1352. Stop-and-wait has one packet in flight, so every packet costs a whole round trip and a loss a whole timeout. Go-back-N sends eight at a time, but after a timeout it sends the whole window again and its in-order receiver drops what arrived after the gap; those resends are drawn again, so some of them are lost too (packet 16&apos;s second transmission, at tick 434). Selective repeat resends only the packet that was lost and keeps the rest. Watch the timeout markers and the resend colours in each window, and the figures table.

At tick 3000 (goodput: packets delivered in order per 100 ticks): Stop-and-wait: 18 delivered, 2 retransmissions, goodput 0.6. Go-back-N (textbook): 92 delivered, 80 retransmissions, goodput 3.1. Selective repeat: 115 delivered, 8 retransmissions, goodput 3.8.</source>
        <translation>Tiga protokol berjalan berdampingan dengan satu jam, dan jaringan menghilangkan 5 % paket di masing-masing, diundi dengan benih 7: hilang tidaknya sebuah paket hanya bergantung pada nomornya dan pengiriman keberapa itu, sehingga paket yang sama hilang di ketiganya. Paket 9, 15, dan 18 hilang di setiap protokol; go-back-N dan selective repeat kehilangan 9 pada detak 195 dan 15 pada detak 261, sedangkan stop-and-wait baru mencapai paket 9 pada detak 1352. Stop-and-wait hanya punya satu paket dalam perjalanan, jadi setiap paket memakan satu perjalanan pulang-pergi penuh dan satu kehilangan memakan satu batas waktu penuh. Go-back-N mengirim delapan sekaligus, tetapi setelah batas waktu habis ia mengirim lagi seluruh jendela dan penerima berurutannya membuang yang tiba setelah celah; pengiriman ulang itu diundi lagi, sehingga sebagian juga hilang (pengiriman kedua paket 16, pada detak 434). Selective repeat hanya mengirim ulang paket yang hilang dan menyimpan sisanya. Amati penanda batas waktu dan warna pengiriman ulang di setiap jendela, serta tabel angka.

Pada detak 3000 (goodput: paket terkirim berurutan per 100 detak): Stop-and-wait: 18 terkirim, 2 pengiriman ulang, goodput 0,6. Go-back-N (buku teks): 92 terkirim, 80 pengiriman ulang, goodput 3,1. Selective repeat: 115 terkirim, 8 pengiriman ulang, goodput 3,8.</translation>
    </message>
    <message>
        <source>Stop-and-wait</source>
        <translation>Stop-and-wait</translation>
    </message>
    <message>
        <source>Packet 9 was lost at tick 1352 and its timer runs out now. What does the stop-and-wait sender send again?</source>
        <translation>Paket 9 hilang pada detak 1352 dan pewaktunya habis sekarang. Apa yang dikirim ulang oleh pengirim stop-and-wait?</translation>
    </message>
    <message>
        <source>packet 9</source>
        <translation>paket 9</translation>
    </message>
    <message>
        <source>packets 9 to 16</source>
        <translation>paket 9 sampai 16</translation>
    </message>
    <message>
        <source>packet 10</source>
        <translation>paket 10</translation>
    </message>
    <message>
        <source>Stop-and-wait never has more than one packet in flight, so a timeout costs it one resend, but a whole timeout&apos;s wait. Go-back-N lost the same packet 9 at tick 195 and sent packets 9 to 16 again from tick 320.</source>
        <translation>Stop-and-wait tidak pernah punya lebih dari satu paket dalam perjalanan, jadi batas waktu habis hanya memakan satu pengiriman ulang, tetapi dengan menunggu satu batas waktu penuh. Go-back-N kehilangan paket 9 yang sama pada detak 195 dan mengirim lagi paket 9 sampai 16 sejak detak 320.</translation>
    </message>
    <message>
        <source>Go-back-N (textbook)</source>
        <translation>Go-back-N (buku teks)</translation>
    </message>
    <message>
        <source>Selective repeat</source>
        <translation>Selective repeat</translation>
    </message>
</context>
<context>
    <name>lesson selective-repeat</name>
    <message>
        <source>The same loss under selective repeat</source>
        <translation>Kehilangan yang sama dengan selective repeat</translation>
    </message>
    <message>
        <source>Selective Repeat is on. Packet 1 is lost at tick 15. The sender keeps sending while the receiver holds packets 2 and up. At tick 169 the sender enters the Selective state, and at tick 180 packet 1&apos;s timer runs out and only packet 1 is sent again (timeout marker). When its ACK returns the window opens fully again (back to Normal at tick 326).</source>
        <translation>Selective Repeat menyala. Paket 1 hilang pada detak 15. Pengirim terus mengirim sementara penerima menyimpan paket 2 dan seterusnya. Pada detak 169 pengirim masuk status Selective, dan pada detak 180 pewaktu paket 1 habis dan hanya paket 1 yang dikirim ulang (penanda batas waktu). Ketika ACK-nya kembali, jendela terbuka penuh lagi (kembali ke Normal pada detak 326).</translation>
    </message>
    <message>
        <source>The resent packet 1 reaches the receiver, which holds packets 2 and up. Which packet will the receiver ask for next?</source>
        <translation>Paket 1 yang dikirim ulang mencapai penerima, yang menyimpan paket 2 dan seterusnya. Paket mana yang akan diminta penerima berikutnya?</translation>
    </message>
    <message>
        <source>packet 2</source>
        <translation>paket 2</translation>
    </message>
    <message>
        <source>packet 6</source>
        <translation>paket 6</translation>
    </message>
    <message>
        <source>packet 7</source>
        <translation>paket 7</translation>
    </message>
    <message>
        <source>The arrival fills the gap: the receiver takes in packet 1 and everything it held after it, and its ACK asks for the first packet it has not got.</source>
        <translation>Kedatangannya mengisi celah: penerima menerima paket 1 dan semua yang disimpannya sesudahnya, dan ACK-nya meminta paket pertama yang belum dimilikinya.</translation>
    </message>
</context>
<context>
    <name>lesson slow-start</name>
    <message>
        <source>Slow start up to the threshold, then avoidance</source>
        <translation>Slow start sampai ambang, lalu penghindaran kemacetan</translation>
    </message>
    <message>
        <source>Slow Start and Avoidance are on, the receive window is 16. The window starts at 2 and grows by one packet for every ACK: 4 at tick 158, 8 at tick 326. Packet 6 is lost at tick 330; its timeout at tick 455, with 8 packets in flight, sets the threshold to half of them, 4, and drops the window to 1. Slow start brings it back up to the threshold (4 at tick 904); from there congestion avoidance adds only a fraction of a packet per ACK (4.25 at tick 1039): watch the slope change on the chart. The textbooks&apos; rule grows the window by about one packet per round trip; here the window figure snaps up to the next whole packet as soon as it rounds to it, as in the original program (5 at tick 1061, 8 at tick 1375), which makes about 1.4 packets per round trip of 146 ticks.</source>
        <translation>Slow Start dan Avoidance menyala, jendela terima 16. Jendela dimulai dari 2 dan bertambah satu paket untuk setiap ACK: 4 pada detak 158, 8 pada detak 326. Paket 6 hilang pada detak 330; batas waktunya habis pada detak 455, dengan 8 paket dalam perjalanan, menetapkan ambang menjadi setengahnya, 4, dan menurunkan jendela ke 1. Slow start membawanya kembali ke ambang (4 pada detak 904); dari sana penghindaran kemacetan hanya menambah sebagian paket per ACK (4,25 pada detak 1039): amati perubahan kemiringan pada grafik. Aturan buku teks menumbuhkan jendela sekitar satu paket per perjalanan pulang-pergi; di sini angka jendela melompat ke paket utuh berikutnya begitu dibulatkan ke sana, seperti pada program asli (5 pada detak 1061, 8 pada detak 1375), sehingga sekitar 1,4 paket per perjalanan pulang-pergi 146 detak.</translation>
    </message>
    <message>
        <source>In slow start the window grows by one packet for every ACK. The next ACK arrives soon. What will the Tx Window Size be?</source>
        <translation>Dalam slow start jendela bertambah satu paket untuk setiap ACK. ACK berikutnya segera tiba. Berapa Ukuran Jendela Kirim nantinya?</translation>
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
        <translation>Slow start menambah satu paket ke jendela untuk setiap ACK selama jendela di bawah SSThresh, sehingga jendela berlipat dua setiap perjalanan pulang-pergi.</translation>
    </message>
    <message>
        <source>Packet 6 was lost, and its timer is about to run out with 8 packets in flight. What will SSThresh be?</source>
        <translation>Paket 6 hilang, dan pewaktunya akan segera habis dengan 8 paket dalam perjalanan. Berapa SSThresh nantinya?</translation>
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
        <translation>Saat batas waktu habis SSThresh menjadi setengah dari paket dalam perjalanan, dan jendela turun ke satu paket: slow start kemudian naik kembali ke ambang.</translation>
    </message>
</context>
<context>
    <name>lesson small-sequence-space</name>
    <message>
        <source>A sequence space too small for the window</source>
        <translation>Ruang nomor urut yang terlalu kecil untuk jendela</translation>
    </message>
    <message>
        <source>The highest sequence number is 3, so there are only four sequence numbers, but the windows are six packets. Packets 0 and 4 both carry sequence number 0, packets 1 and 5 both carry 1. Packet 1 is lost at tick 15; the ACKs that come back cannot say which packet they mean. Packet 1 times out at tick 174 and is resent, and at tick 320 the sender resends packet 3, which the receiver already had: it has read an ACK for the wrong packet. The sequence space must be at least twice the window to avoid this.</source>
        <translation>Nomor urut tertinggi adalah 3, jadi hanya ada empat nomor urut, tetapi jendelanya enam paket. Paket 0 dan 4 sama-sama membawa nomor urut 0, paket 1 dan 5 sama-sama 1. Paket 1 hilang pada detak 15; ACK yang kembali tidak bisa menyatakan paket mana yang dimaksud. Paket 1 habis waktunya pada detak 174 dan dikirim ulang, dan pada detak 320 pengirim mengirim ulang paket 3, yang sudah dimiliki penerima: pengirim telah mengaitkan ACK ke paket yang salah. Ruang nomor urut harus setidaknya dua kali jendela untuk menghindarinya.</translation>
    </message>
    <message>
        <source>Packet 1 was lost and its timer is about to run out. Which packets will be sent again?</source>
        <translation>Paket 1 hilang dan pewaktunya akan segera habis. Paket mana yang akan dikirim ulang?</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>paket 1</translation>
    </message>
    <message>
        <source>packet 5</source>
        <translation>paket 5</translation>
    </message>
    <message>
        <source>packets 1 to 6</source>
        <translation>paket 1 sampai 6</translation>
    </message>
    <message>
        <source>The timer belongs to packet 1, so packet 1 is resent. But packet 5 carries the same sequence number, 1: with only four numbers for a window of six, the ACKs cannot tell them apart.</source>
        <translation>Pewaktu itu milik paket 1, jadi paket 1 dikirim ulang. Tetapi paket 5 membawa nomor urut yang sama, 1: dengan hanya empat nomor untuk jendela enam, ACK tidak dapat membedakan keduanya.</translation>
    </message>
</context>
<context>
    <name>lesson tahoe-vs-reno</name>
    <message>
        <source>Tahoe against Reno: one loss, two answers to three duplicate ACKs</source>
        <translation>Tahoe melawan Reno: satu kehilangan, dua jawaban atas tiga ACK duplikat</translation>
    </message>
    <message>
        <source>Tahoe-like and Reno-like TCP side by side from one clock, with the same settings but for Tahoe&apos;s rule, and the same planned loss (p10): packet 10 is lost at tick 374 in both, while the window is 8 and still growing. The packets behind it keep arriving, each bringing back a duplicate ACK asking for packet 10, and the third one arrives at tick 516 in both (fast-retransmit marker), with the window at 12 and 11 packets in flight. Both resend packet 10 at once and set SSThresh to half the flight size, 5.5. Here they part.

Tahoe starts again from a window of 1, in slow start, and further duplicates change nothing. The ACK for the resend reaches it at tick 662 and asks for packet 21: the receiver had kept every packet behind the lost one, so the go-back-N sender has nothing more to send again. Its window climbs from there: 2 at tick 662, 4 at tick 819, 6 at tick 965.

Reno halves the window and adds three for the packets that left the network (9 at tick 516), inflates it by one for each further duplicate (16 at tick 651) and keeps sending; the first new ACK ends fast recovery at tick 673 with the window back at the threshold, kept as 5 whole packets. Both run with the timeout of 12 that Fast Retransmit sets, and neither times out: the difference is the fast retransmit alone.

At tick 1500 (goodput: packets delivered in order per 100 ticks): Tahoe-like TCP: 54 delivered, 1 retransmission, goodput 3.6. Reno-like TCP: 71 delivered, 1 retransmission, goodput 4.7.</source>
        <translation>TCP ala Tahoe dan ala Reno berdampingan dengan satu jam, dengan pengaturan sama kecuali aturan Tahoe, dan kehilangan terencana yang sama (p10): paket 10 hilang pada detak 374 di keduanya, saat jendela 8 dan masih tumbuh. Paket-paket di belakangnya terus tiba, masing-masing membawa kembali ACK duplikat yang meminta paket 10, dan yang ketiga tiba pada detak 516 di keduanya (penanda fast retransmit), dengan jendela 12 dan 11 paket dalam perjalanan. Keduanya langsung mengirim ulang paket 10 dan menetapkan SSThresh menjadi setengah flight size, 5,5. Di sinilah keduanya berpisah jalan.

Tahoe mulai lagi dari jendela 1, dalam slow start, dan duplikat berikutnya tidak mengubah apa pun. ACK untuk pengiriman ulang mencapainya pada detak 662 dan meminta paket 21: penerima telah menyimpan setiap paket di belakang yang hilang, jadi pengirim go-back-N tidak punya apa-apa lagi untuk dikirim ulang. Jendelanya naik dari sana: 2 pada detak 662, 4 pada detak 819, 6 pada detak 965.

Reno membagi dua jendela dan menambah tiga untuk paket yang telah meninggalkan jaringan (9 pada detak 516), menggelembungkannya satu untuk setiap duplikat berikutnya (16 pada detak 651) dan terus mengirim; ACK baru pertama mengakhiri fast recovery pada detak 673 dengan jendela kembali ke ambang, dibulatkan menjadi 5 paket utuh. Keduanya berjalan dengan batas waktu 12 yang ditetapkan Fast Retransmit, dan tidak ada yang habis waktunya: perbedaannya hanya pada fast retransmit.

Pada detak 1500 (goodput: paket terkirim berurutan per 100 detak): TCP ala Tahoe: 54 terkirim, 1 pengiriman ulang, goodput 3,6. TCP ala Reno: 71 terkirim, 1 pengiriman ulang, goodput 4,7.</translation>
    </message>
    <message>
        <source>Tahoe-like TCP</source>
        <translation>TCP ala Tahoe</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet 10 is on its way to the Tahoe-like sender, whose window is 12. What will its Tx Window Size be?</source>
        <translation>ACK duplikat ketiga yang meminta paket 10 sedang menuju pengirim ala Tahoe, yang jendelanya 12. Berapa Ukuran Jendela Kirim-nya nanti?</translation>
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
        <translation>Aturan Tahoe mengirim ulang paket yang hilang dan memulai slow start lagi dari jendela satu paket. Reno di sebelahnya membagi dua jendela dan menambah tiga, 9, dan pulih tanpa berhenti.</translation>
    </message>
    <message>
        <source>Reno-like TCP</source>
        <translation>TCP ala Reno</translation>
    </message>
</context>
<context>
    <name>lessons</name>
    <message>
        <source>There is no lesson called &quot;%1&quot;.</source>
        <translation>Tidak ada pelajaran bernama &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>links</name>
    <message>
        <source>Ignored %1=%2 in the link (%3); kept the start-up setting.</source>
        <translation>%1=%2 di tautan diabaikan (%3); pengaturan awal dipertahankan.</translation>
    </message>
    <message>
        <source>Ignored the unknown parameter &quot;%1&quot; in the link.</source>
        <translation>Parameter tak dikenal &quot;%1&quot; di tautan diabaikan.</translation>
    </message>
    <message>
        <source>Ignored %1=%2 in the link: the lesson brings its own settings.</source>
        <translation>%1=%2 di tautan diabaikan: pelajaran membawa pengaturannya sendiri.</translation>
    </message>
    <message>
        <source>Ignored lesson=%1 in the link. %2 The lessons are %3.</source>
        <translation>lesson=%1 di tautan diabaikan. %2 Pelajarannya adalah %3.</translation>
    </message>
    <message>
        <source>the protocols are %1</source>
        <translation>protokolnya adalah %1</translation>
    </message>
    <message>
        <source>not every option can be set that way</source>
        <translation>tidak setiap opsi dapat diatur dengan cara itu</translation>
    </message>
    <message>
        <source>options are slowstart, avoidance, fastretransmit, selective, delayedack</source>
        <translation>opsinya adalah slowstart, avoidance, fastretransmit, selective, delayedack</translation>
    </message>
    <message>
        <source>use 1 or 0</source>
        <translation>gunakan 1 atau 0</translation>
    </message>
    <message>
        <source>the box cannot be changed now</source>
        <translation>kotak itu tidak dapat diubah sekarang</translation>
    </message>
    <message>
        <source>use a whole number from %1 to %2</source>
        <translation>gunakan bilangan bulat dari %1 sampai %2</translation>
    </message>
    <message>
        <source>the languages are %1</source>
        <translation>bahasanya adalah %1</translation>
    </message>
    <message>
        <source>use 0.25, 0.5, 1, 2 or 4</source>
        <translation>gunakan 0.25, 0.5, 1, 2, atau 4</translation>
    </message>
    <message>
        <source>And %1 more parameter of the link ignored.</source>
        <translation>Dan %1 parameter lain dari tautan diabaikan.</translation>
    </message>
    <message>
        <source>And %1 more parameters of the link ignored.</source>
        <translation>Dan %1 parameter lain dari tautan diabaikan.</translation>
    </message>
    <message>
        <source>This run makes a link of %1 characters, too long for a browser&apos;s address bar (%2 at most): save it as a run file and share the file instead.</source>
        <translation>Simulasi ini menghasilkan tautan %1 karakter, terlalu panjang untuk bilah alamat peramban (paling banyak %2): simpan sebagai berkas simulasi dan bagikan berkasnya saja.</translation>
    </message>
    <message>
        <source>The link to this run has %1 characters, more than a QR code holds (%2): share the link itself or the run file instead.</source>
        <translation>Tautan ke simulasi ini berisi %1 karakter, lebih dari yang dapat dimuat kode QR (%2): bagikan tautannya sendiri atau berkas simulasinya.</translation>
    </message>
    <message>
        <source>The run in this link cannot be opened. The link is damaged: part of it may have been cut off when it was copied. Copy the whole link again.</source>
        <translation>Simulasi dalam tautan ini tidak dapat dibuka. Tautannya rusak: sebagian mungkin terpotong saat disalin. Salin lagi tautan secara utuh.</translation>
    </message>
    <message>
        <source>The run in this link cannot be opened. %1</source>
        <translation>Simulasi dalam tautan ini tidak dapat dibuka. %1</translation>
    </message>
    <message>
        <source>the code on the projector gives the whole link</source>
        <translation>kode di proyektor memberikan tautan lengkapnya</translation>
    </message>
</context>
<context>
    <name>log</name>
    <message>
        <source>packet %1 dropped: out of order</source>
        <translation>paket %1 dibuang: tidak berurutan</translation>
    </message>
    <message>
        <source>%1: the clock is paused; Cont goes on as a live run</source>
        <translation>%1: jam dijeda; Cont melanjutkan sebagai simulasi langsung</translation>
    </message>
    <message>
        <source>Your own action at tick %1: the recorded run from here on is dropped and this run goes on as a new branch</source>
        <translation>Tindakan Anda sendiri pada detak %1: simulasi terekam dari sini dibuang dan simulasi ini berlanjut sebagai cabang baru</translation>
    </message>
    <message>
        <source>Opened the run file (%1 ticks): it plays as recorded while the clock runs; an action of your own branches it</source>
        <translation>Berkas simulasi dibuka (%1 detak): diputar seperti terekam selama jam berjalan; tindakan Anda sendiri membuat cabang</translation>
    </message>
    <message>
        <source>Opened &quot;%2&quot; (%1 ticks): it plays as recorded while the clock runs; an action of your own branches it</source>
        <translation>&quot;%2&quot; dibuka (%1 detak): diputar seperti terekam selama jam berjalan; tindakan Anda sendiri membuat cabang</translation>
    </message>
    <message>
        <source>Run %1 dropped from the record to stay within the memory budget (%2)</source>
        <translation>Simulasi %1 dihapus dari rekaman agar tetap dalam anggaran memori (%2)</translation>
    </message>
    <message>
        <source>Ticks %1 to %2 of this run dropped to stay within the memory budget (%3): rewinds now reach back to tick %4</source>
        <translation>Detak %1 sampai %2 dari simulasi ini dibuang agar tetap dalam anggaran memori (%3): mundur kini hanya sampai detak %4</translation>
    </message>
    <message>
        <source>packet %1 lost</source>
        <translation>paket %1 hilang</translation>
    </message>
    <message>
        <source>ACK asking for sequence number %1 lost</source>
        <translation>ACK yang meminta nomor urut %1 hilang</translation>
    </message>
    <message>
        <source>packet %1 held</source>
        <translation>paket %1 ditahan</translation>
    </message>
    <message>
        <source>ACK asking for sequence number %1 held</source>
        <translation>ACK yang meminta nomor urut %1 ditahan</translation>
    </message>
    <message>
        <source>packet %1 released</source>
        <translation>paket %1 dilepas</translation>
    </message>
    <message>
        <source>ACK asking for sequence number %1 released</source>
        <translation>ACK yang meminta nomor urut %1 dilepas</translation>
    </message>
    <message>
        <source>timeout set to %1</source>
        <translation>batas waktu diatur ke %1</translation>
    </message>
    <message>
        <source>transmit window set to %1</source>
        <translation>jendela kirim diatur ke %1</translation>
    </message>
    <message>
        <source>receive window set to %1</source>
        <translation>jendela terima diatur ke %1</translation>
    </message>
    <message>
        <source>highest sequence number set to %1</source>
        <translation>nomor urut tertinggi diatur ke %1</translation>
    </message>
    <message>
        <source>%1 pressed</source>
        <translation>%1 ditekan</translation>
    </message>
    <message>
        <source>%1 on</source>
        <translation>%1 nyala</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1 mati</translation>
    </message>
</context>
<context>
    <name>losses</name>
    <message>
        <source>A plan holds at most %1 losses.</source>
        <translation>Sebuah rencana memuat paling banyak %1 kehilangan.</translation>
    </message>
    <message>
        <source>The planned loss &quot;%1&quot; is not p or a with a packet number, such as p5, p7.2 or a9.</source>
        <translation>Kehilangan terencana &quot;%1&quot; bukan p atau a dengan nomor paket, seperti p5, p7.2, atau a9.</translation>
    </message>
    <message>
        <source>packet %1</source>
        <translation>paket %1</translation>
    </message>
    <message>
        <source>the ACK for packet %1</source>
        <translation>ACK untuk paket %1</translation>
    </message>
    <message>
        <source>packet %1 (transmission %2)</source>
        <translation>paket %1 (pengiriman %2)</translation>
    </message>
    <message>
        <source>the ACK for packet %1 (transmission %2)</source>
        <translation>ACK untuk paket %1 (pengiriman %2)</translation>
    </message>
    <message>
        <source>No losses</source>
        <translation>Tanpa kehilangan</translation>
    </message>
    <message>
        <source>%1 % of packets, %2 % of ACKs</source>
        <translation>%1 % paket, %2 % ACK</translation>
    </message>
    <message>
        <source>%1 % of packets</source>
        <translation>%1 % paket</translation>
    </message>
    <message>
        <source>%1 % of ACKs</source>
        <translation>%1 % ACK</translation>
    </message>
    <message>
        <source>Losses: %1 planned</source>
        <translation>Kehilangan: %1 terencana</translation>
    </message>
    <message>
        <source>Losses: %1 (seed %2)</source>
        <translation>Kehilangan: %1 (benih %2)</translation>
    </message>
    <message>
        <source>Losses: %1 (seed %2), %3 planned</source>
        <translation>Kehilangan: %1 (benih %2), %3 terencana</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 dan %2 lainnya</translation>
    </message>
    <message>
        <source>Lost by click: %1</source>
        <translation>Hilang karena klik: %1</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>Quill&apos;s Sliding Window Demo</source>
        <translation>Demo Jendela Geser Quill</translation>
    </message>
    <message>
        <source>Quill&apos;s Sliding Window Demo needs JavaScript: please allow scripts for this page.</source>
        <translation>Demo Jendela Geser Quill memerlukan JavaScript: izinkan skrip untuk halaman ini.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The window&apos;s controls at finger size</source>
        <translation>Kontrol jendela seukuran jari</translation>
    </message>
    <message>
        <source>Run controls, chart and log</source>
        <translation>Kontrol simulasi, grafik, dan log</translation>
    </message>
    <message>
        <source>Step back one tick (Ctrl+Left)</source>
        <translation>Mundur satu detak (Ctrl+Kiri)</translation>
    </message>
    <message>
        <source>◀ Step Back</source>
        <translation>◀ Mundur</translation>
    </message>
    <message>
        <source>Step one tick; pauses a running clock first (Ctrl+Right)</source>
        <translation>Maju satu detak; menjeda jam yang berjalan lebih dulu (Ctrl+Kanan)</translation>
    </message>
    <message>
        <source>Step ▶</source>
        <translation>Langkah ▶</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Kecepatan</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokol</translation>
    </message>
    <message>
        <source>Protocol: custom</source>
        <translation>Protokol: khusus</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Tampilan</translation>
    </message>
    <message>
        <source>Colour-blind safe colours</source>
        <translation>Warna aman untuk buta warna</translation>
    </message>
    <message>
        <source>State marks</source>
        <translation>Tanda status</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Keterangan</translation>
    </message>
    <message>
        <source>Open a saved run file; you can also drop one on the page</source>
        <translation>Buka berkas simulasi tersimpan; Anda juga dapat menjatuhkannya ke halaman</translation>
    </message>
    <message>
        <source>Open run…</source>
        <translation>Buka simulasi…</translation>
    </message>
    <message>
        <source>Download this run as a run file</source>
        <translation>Unduh simulasi ini sebagai berkas simulasi</translation>
    </message>
    <message>
        <source>Save run</source>
        <translation>Simpan simulasi</translation>
    </message>
    <message>
        <source>Download this run as a packet capture (.pcap) for Wireshark, seen at the sender</source>
        <translation>Unduh simulasi ini sebagai tangkapan paket (.pcap) untuk Wireshark, dilihat di pengirim</translation>
    </message>
    <message>
        <source>Save capture</source>
        <translation>Simpan tangkapan</translation>
    </message>
    <message>
        <source>Open a built-in lesson</source>
        <translation>Buka pelajaran bawaan</translation>
    </message>
    <message>
        <source>Lessons…</source>
        <translation>Pelajaran…</translation>
    </message>
    <message>
        <source>Packets and ACKs the network loses: at random or planned</source>
        <translation>Paket dan ACK yang hilang di jaringan: acak atau terencana</translation>
    </message>
    <message>
        <source>Network…</source>
        <translation>Jaringan…</translation>
    </message>
    <message>
        <source>Run two or three protocols side by side with the same losses</source>
        <translation>Jalankan dua atau tiga protokol berdampingan dengan kehilangan yang sama</translation>
    </message>
    <message>
        <source>Compare…</source>
        <translation>Bandingkan…</translation>
    </message>
    <message>
        <source>Copy a link that opens the page with these settings</source>
        <translation>Salin tautan yang membuka halaman dengan pengaturan ini</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Salin tautan</translation>
    </message>
    <message>
        <source>Link to these settings</source>
        <translation>Tautan ke pengaturan ini</translation>
    </message>
    <message>
        <source>Transmit window, threshold, flight size and receive window against the tick</source>
        <translation>Jendela kirim, ambang, flight size, dan jendela terima terhadap detak</translation>
    </message>
    <message>
        <source>Rewind to Cursor</source>
        <translation>Mundur ke Kursor</translation>
    </message>
    <message>
        <source>This run&apos;s figures</source>
        <translation>Angka simulasi ini</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Semua</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Pengirim</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Penerima</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Pengguna</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>Log peristiwa</translation>
    </message>
    <message>
        <source>Time-Sequence Diagram</source>
        <translation>Diagram Urutan Waktu</translation>
    </message>
    <message>
        <source>From tick</source>
        <translation>Dari detak</translation>
    </message>
    <message>
        <source>to</source>
        <translation>sampai</translation>
    </message>
    <message>
        <source>Download these ticks of the diagram as an SVG drawing</source>
        <translation>Unduh detak-detak diagram ini sebagai gambar SVG</translation>
    </message>
    <message>
        <source>Save diagram (SVG)</source>
        <translation>Simpan diagram (SVG)</translation>
    </message>
    <message>
        <source>Time-sequence diagram of the run: sender left, receiver right, time downward</source>
        <translation>Diagram urutan waktu dari simulasi: pengirim di kiri, penerima di kanan, waktu ke bawah</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Perbandingan</translation>
    </message>
    <message>
        <source>Back to the single window</source>
        <translation>Kembali ke satu jendela</translation>
    </message>
    <message>
        <source>◀ One window</source>
        <translation>◀ Satu jendela</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Step all of them back one tick (Ctrl+Left)</source>
        <translation>Mundurkan semuanya satu detak (Ctrl+Kiri)</translation>
    </message>
    <message>
        <source>Step all of them one tick (Ctrl+Right)</source>
        <translation>Majukan semuanya satu detak (Ctrl+Kanan)</translation>
    </message>
    <message>
        <source>Download the comparison as one run file</source>
        <translation>Unduh perbandingan sebagai satu berkas simulasi</translation>
    </message>
    <message>
        <source>Save comparison</source>
        <translation>Simpan perbandingan</translation>
    </message>
    <message>
        <source>Copy a link that opens the page with this comparison</source>
        <translation>Salin tautan yang membuka halaman dengan perbandingan ini</translation>
    </message>
    <message>
        <source>Link to this comparison</source>
        <translation>Tautan ke perbandingan ini</translation>
    </message>
    <message>
        <source>Each configuration&apos;s transmit window (thick) and goodput (thin) against the tick</source>
        <translation>Jendela kirim (garis tebal) dan goodput (garis tipis) setiap konfigurasi terhadap detak</translation>
    </message>
    <message>
        <source>Figures of each configuration</source>
        <translation>Angka setiap konfigurasi</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Jaringan</translation>
    </message>
    <message>
        <source>A lost packet or ACK is taken off halfway across, as a double click on it would. The same seed loses the same packets under every protocol.</source>
        <translation>Paket atau ACK yang hilang diambil di tengah jalan, seperti yang dilakukan klik ganda padanya. Benih yang sama menghilangkan paket yang sama di setiap protokol.</translation>
    </message>
    <message>
        <source>Packets lost</source>
        <translation>Paket hilang</translation>
    </message>
    <message>
        <source>ACKs lost</source>
        <translation>ACK hilang</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Benih</translation>
    </message>
    <message>
        <source>Planned losses</source>
        <translation>Kehilangan terencana</translation>
    </message>
    <message>
        <source>What is lost</source>
        <translation>Apa yang hilang</translation>
    </message>
    <message>
        <source>Packet</source>
        <translation>Paket</translation>
    </message>
    <message>
        <source>The ACK for packet</source>
        <translation>ACK untuk paket</translation>
    </message>
    <message>
        <source>Packet number</source>
        <translation>Nomor paket</translation>
    </message>
    <message>
        <source>transmission</source>
        <translation>pengiriman</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Bandingkan</translation>
    </message>
    <message>
        <source>Side by side from one clock, with the losses set under Network.</source>
        <translation>Berdampingan dengan satu jam, dengan kehilangan yang diatur di Jaringan.</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Pertama</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Kedua</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Ketiga</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Bahasa</translation>
    </message>
    <message>
        <source>Tick %1</source>
        <translation>Detak %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Latihan</translation>
    </message>
    <message>
        <source>Practice: on</source>
        <translation>Latihan: nyala</translation>
    </message>
    <message>
        <source>Score: %1 of %2 right</source>
        <translation>Skor: %1 dari %2 benar</translation>
    </message>
    <message>
        <source>Summary copied</source>
        <translation>Ringkasan disalin</translation>
    </message>
    <message>
        <source>QR code</source>
        <translation>Kode QR</translation>
    </message>
    <message>
        <source>Scan to open this run (%1 characters).</source>
        <translation>Pindai untuk membuka simulasi ini (%1 karakter).</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Catatan</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Tautan disalin</translation>
    </message>
    <message>
        <source>Copy the link beside</source>
        <translation>Salin tautan di sebelahnya</translation>
    </message>
    <message>
        <source>Rewind to a tick, or play on to a later one, and pause there (Ctrl+G)</source>
        <translation>Putar mundur ke suatu detak, atau lanjutkan ke detak berikutnya, lalu jeda di sana (Ctrl+G)</translation>
    </message>
    <message>
        <source>Go to Tick…</source>
        <translation>Pergi ke Detak…</translation>
    </message>
    <message>
        <source>Download a view of this run as a picture for a slide, or its figures as CSV</source>
        <translation>Unduh satu tampilan jalannya ini sebagai gambar untuk slide, atau angkanya sebagai CSV</translation>
    </message>
    <message>
        <source>Download picture…</source>
        <translation>Unduh gambar…</translation>
    </message>
    <message>
        <source>Download the comparison&apos;s windows, diagrams, chart and table as one picture, or its figures as CSV</source>
        <translation>Unduh jendela, diagram, grafik dan tabel perbandingan sebagai satu gambar, atau angkanya sebagai CSV</translation>
    </message>
    <message>
        <source>Download picture</source>
        <translation>Unduh gambar</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Tampilkan</translation>
    </message>
    <message>
        <source>The window</source>
        <translation>Jendela</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>The time-sequence diagram</source>
        <translation>Diagram urutan waktu</translation>
    </message>
    <message>
        <source>The table of figures</source>
        <translation>Tabel angka</translation>
    </message>
    <message>
        <source>Show together</source>
        <translation>Tampilkan bersama</translation>
    </message>
    <message>
        <source>The windows</source>
        <translation>Jendela-jendela</translation>
    </message>
    <message>
        <source>The time-sequence diagrams</source>
        <translation>Diagram-diagram urutan waktu</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Gambar PNG</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>Gambar SVG</translation>
    </message>
    <message>
        <source>The figures as CSV</source>
        <translation>Angka sebagai CSV</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Lebar</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Tinggi</translation>
    </message>
    <message>
        <source>Title line</source>
        <translation>Baris judul</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Unduh</translation>
    </message>
    <message>
        <source>Tick at least one view to put in the picture.</source>
        <translation>Centang setidaknya satu tampilan untuk dimasukkan ke gambar.</translation>
    </message>
    <message>
        <source>The browser could not draw a picture this large: try a smaller width and height.</source>
        <translation>Peramban tidak dapat menggambar gambar sebesar ini: coba lebar dan tinggi yang lebih kecil.</translation>
    </message>
    <message>
        <source>Time-Sequence Diagrams</source>
        <translation>Diagram Urutan Waktu</translation>
    </message>
    <message>
        <source>Time-sequence diagram of %1: sender left, receiver right, time downward</source>
        <translation>Diagram urutan waktu %1: pengirim di kiri, penerima di kanan, waktu ke bawah</translation>
    </message>
</context>
<context>
    <name>practice</name>
    <message>
        <source>Question withdrawn: the run changed before the event it was about.</source>
        <translation>Soal ditarik: simulasi berubah sebelum peristiwa yang ditanyakan.</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right.</source>
        <translation>Latihan jendela geser: %1 dari %2 jawaban benar.</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right, %3 skipped, %4 withdrawn.</source>
        <translation>Latihan jendela geser: %1 dari %2 jawaban benar, %3 dilewati, %4 ditarik.</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right, %3 skipped.</source>
        <translation>Latihan jendela geser: %1 dari %2 jawaban benar, %3 dilewati.</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right, %4 withdrawn.</source>
        <translation>Latihan jendela geser: %1 dari %2 jawaban benar, %4 ditarik.</translation>
    </message>
    <message>
        <source>Withdrawn: the run was changed before the event.</source>
        <translation>Ditarik: simulasi diubah sebelum peristiwa itu.</translation>
    </message>
    <message>
        <source>Skipped.</source>
        <translation>Dilewati.</translation>
    </message>
    <message>
        <source>The run gave: %1.</source>
        <translation>Simulasi menghasilkan: %1.</translation>
    </message>
    <message>
        <source>Answer: %1.</source>
        <translation>Jawaban: %1.</translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>Benar.</translation>
    </message>
    <message>
        <source>Wrong: the run gave %1.</source>
        <translation>Salah: simulasi menghasilkan %1.</translation>
    </message>
    <message>
        <source>packet %1</source>
        <translation>paket %1</translation>
    </message>
    <message>
        <source>no packet</source>
        <translation>tidak ada paket</translation>
    </message>
    <message>
        <source>packets %1 to %2</source>
        <translation>paket %1 sampai %2</translation>
    </message>
    <message>
        <source>packets %1 and %2</source>
        <translation>paket %1 dan %2</translation>
    </message>
    <message>
        <source>sets SSThresh to half the flight size (%1 packet in flight), never below 2 packets</source>
        <translation>menetapkan SSThresh menjadi setengah flight size (%1 paket dalam perjalanan), tidak pernah di bawah 2 paket</translation>
    </message>
    <message>
        <source>sets SSThresh to half the flight size (%1 packets in flight), never below 2 packets</source>
        <translation>menetapkan SSThresh menjadi setengah flight size (%1 paket dalam perjalanan), tidak pernah di bawah 2 paket</translation>
    </message>
    <message>
        <source>sets SSThresh to the transmit window (%1 packet; with Avoidance on it would take half the flight size), never below 2 packets</source>
        <translation>menetapkan SSThresh menjadi jendela kirim (%1 paket; dengan Avoidance menyala ia akan mengambil setengah flight size), tidak pernah di bawah 2 paket</translation>
    </message>
    <message>
        <source>sets SSThresh to the transmit window (%1 packets; with Avoidance on it would take half the flight size), never below 2 packets</source>
        <translation>menetapkan SSThresh menjadi jendela kirim (%1 paket; dengan Avoidance menyala ia akan mengambil setengah flight size), tidak pernah di bawah 2 paket</translation>
    </message>
    <message>
        <source>The go-back-N sender then goes back: every later packet not yet acknowledged is queued again, oldest first, one a tick as the window allows, which slow start opens again from one packet; an ACK that covers packets the receiver kept spares them.</source>
        <translation>Pengirim go-back-N lalu mundur: setiap paket berikutnya yang belum diakui masuk antrean lagi, yang tertua lebih dulu, satu per detak sejauh jendela mengizinkan, yang dibuka lagi oleh slow start dari satu paket; ACK yang mencakup paket yang disimpan penerima membebaskannya.</translation>
    </message>
    <message>
        <source>The go-back-N sender then goes back: every later packet not yet acknowledged is queued again, oldest first, one a tick while they fit in the window.</source>
        <translation>Pengirim go-back-N lalu mundur: setiap paket berikutnya yang belum diakui masuk antrean lagi, yang tertua lebih dulu, satu per detak selama masih muat di jendela.</translation>
    </message>
    <message>
        <source>No new packet leaves until the round is over.</source>
        <translation>Tidak ada paket baru yang berangkat sampai putaran selesai.</translation>
    </message>
    <message>
        <source>No new packet leaves until the round is over: here only packet %1 is sent again, since the ACK for it covers the packets behind it, which the receiver kept.</source>
        <translation>Tidak ada paket baru yang berangkat sampai putaran selesai: di sini hanya paket %1 yang dikirim ulang, karena ACK untuknya mencakup paket-paket di belakangnya, yang disimpan penerima.</translation>
    </message>
    <message>
        <source>No new packet leaves until the round is over: here it sends %1 again.</source>
        <translation>Tidak ada paket baru yang berangkat sampai putaran selesai: di sini ia mengirim lagi %1.</translation>
    </message>
    <message>
        <source>Retransmission timeout.</source>
        <translation>Batas waktu pengiriman ulang habis.</translation>
    </message>
    <message>
        <source>Packet %1&apos;s timer ran out before an ACK covered it, so the sender takes it for lost.</source>
        <translation>Pewaktu paket %1 habis sebelum ada ACK yang mencakupnya, jadi pengirim menganggapnya hilang.</translation>
    </message>
    <message>
        <source>keeps the SSThresh that fast retransmit set (never below 2 packets)</source>
        <translation>mempertahankan SSThresh yang ditetapkan fast retransmit (tidak pernah di bawah 2 paket)</translation>
    </message>
    <message>
        <source>It %1, enters the TimedOut state, drops the Tx Window to one packet (slow start begins again) and queues %2 again.</source>
        <translation>Ia %1, masuk status TimedOut, menurunkan Jendela Kirim ke satu paket (slow start dimulai lagi), dan memasukkan %2 ke antrean lagi.</translation>
    </message>
    <message>
        <source>It %1, enters the TimedOut state and queues %2 again.</source>
        <translation>Ia %1, masuk status TimedOut, dan memasukkan %2 ke antrean lagi.</translation>
    </message>
    <message>
        <source>With Selective Repeat the other packets keep their timers: only what timed out is resent.</source>
        <translation>Dengan Selective Repeat paket-paket lain tetap memakai pewaktunya: hanya yang habis waktunya yang dikirim ulang.</translation>
    </message>
    <message>
        <source>This sender, as the original program&apos;s, does not go back at once: the timers of the later packets stop, and each is sent again only when it has become the oldest unacknowledged packet, a round trip apiece.</source>
        <translation>Pengirim ini, seperti milik program asli, tidak langsung mundur: pewaktu paket-paket berikutnya berhenti, dan masing-masing dikirim lagi hanya ketika sudah menjadi paket tertua yang belum diakui, satu perjalanan pulang-pergi untuk tiap paket.</translation>
    </message>
    <message>
        <source>A textbook go-back-N sender would resend them all now (the option &quot;Sender resends the whole window on a timeout&quot;).</source>
        <translation>Pengirim go-back-N buku teks akan mengirim ulang semuanya sekarang (opsi &quot;Sender resends the whole window on a timeout&quot;).</translation>
    </message>
    <message>
        <source>Fast retransmit under Tahoe&apos;s rule.</source>
        <translation>Fast retransmit menurut aturan Tahoe.</translation>
    </message>
    <message>
        <source>Fast retransmit.</source>
        <translation>Fast retransmit.</translation>
    </message>
    <message>
        <source>Three duplicate ACKs in a row tell the sender that packet %1 is missing while later packets still arrive.</source>
        <translation>Tiga ACK duplikat berturut-turut memberi tahu pengirim bahwa paket %1 hilang sementara paket-paket berikutnya masih tiba.</translation>
    </message>
    <message>
        <source>Without waiting for its timer the sender resends packet %1 and sets SSThresh to half the flight size (%2 packet in flight, never below 2).</source>
        <translation>Tanpa menunggu pewaktunya pengirim mengirim ulang paket %1 dan menetapkan SSThresh menjadi setengah flight size (%2 paket dalam perjalanan, tidak pernah di bawah 2).</translation>
    </message>
    <message>
        <source>Without waiting for its timer the sender resends packet %1 and sets SSThresh to half the flight size (%2 packets in flight, never below 2).</source>
        <translation>Tanpa menunggu pewaktunya pengirim mengirim ulang paket %1 dan menetapkan SSThresh menjadi setengah flight size (%2 paket dalam perjalanan, tidak pernah di bawah 2).</translation>
    </message>
    <message>
        <source>As TCP Tahoe does, it drops the Tx Window to one packet and starts slow start again: there is no fast recovery, and further duplicate ACKs change nothing.</source>
        <translation>Seperti TCP Tahoe, ia menurunkan Jendela Kirim ke satu paket dan memulai slow start lagi: tidak ada fast recovery, dan ACK duplikat berikutnya tidak mengubah apa pun.</translation>
    </message>
    <message>
        <source>It sets the Tx Window to half the window plus three packets, for the three that left the network (here %1, never above the receiver&apos;s window), and enters FastRetransmit; each further duplicate ACK inflates the window by one packet until a new ACK ends fast recovery.</source>
        <translation>Ia menetapkan Jendela Kirim menjadi setengah jendela ditambah tiga paket, untuk tiga paket yang telah meninggalkan jaringan (di sini %1, tidak pernah melebihi jendela penerima), dan masuk FastRetransmit; setiap ACK duplikat berikutnya menggelembungkan jendela satu paket sampai ACK baru mengakhiri fast recovery.</translation>
    </message>
    <message>
        <source>The textbooks (RFC 5681) start from the new SSThresh plus three, %1 here too: this model halves the window, as the original program does, which differs whenever the window and the flight size do.</source>
        <translation>Buku teks (RFC 5681) mulai dari SSThresh baru ditambah tiga, di sini juga %1: model ini membagi dua jendela, seperti program asli, yang berbeda setiap kali jendela dan flight size berbeda.</translation>
    </message>
    <message>
        <source>The textbooks (RFC 5681) start from the new SSThresh plus three, %1 here: this model halves the window, as the original program does, which differs whenever the window and the flight size do.</source>
        <translation>Buku teks (RFC 5681) mulai dari SSThresh baru ditambah tiga, di sini %1: model ini membagi dua jendela, seperti program asli, yang berbeda setiap kali jendela dan flight size berbeda.</translation>
    </message>
    <message>
        <source>Fast recovery: every further duplicate ACK means another packet has left the network, so the Tx Window is inflated by one packet.</source>
        <translation>Fast recovery: setiap ACK duplikat tambahan berarti satu paket lagi telah meninggalkan jaringan, jadi Jendela Kirim digelembungkan satu paket.</translation>
    </message>
    <message>
        <source>A new ACK ends fast recovery: the Tx Window drops back to SSThresh (%1 packets).</source>
        <translation>ACK baru mengakhiri fast recovery: Jendela Kirim turun kembali ke SSThresh (%1 paket).</translation>
    </message>
    <message>
        <source>After a timeout every new ACK sets the Tx Window to the loss window of one packet, until the resent packet itself is acknowledged and slow start takes over.</source>
        <translation>Setelah batas waktu habis setiap ACK baru menetapkan Jendela Kirim ke jendela kehilangan satu paket, sampai paket yang dikirim ulang itu sendiri diakui dan slow start mengambil alih.</translation>
    </message>
    <message>
        <source>Congestion avoidance: at or above SSThresh each new ACK adds one packet divided by the window in packets, which in the textbooks grows the window by about one packet per round trip.</source>
        <translation>Penghindaran kemacetan: pada atau di atas SSThresh setiap ACK baru menambah satu paket dibagi jendela dalam paket, yang dalam buku teks menumbuhkan jendela sekitar satu paket per perjalanan pulang-pergi.</translation>
    </message>
    <message>
        <source>This model, as the original program does, snaps the window to whole packets as soon as it rounds to the next one, which adds the rest of that packet at once: the window grows faster than one packet per round trip.</source>
        <translation>Model ini, seperti program asli, membulatkan jendela ke paket utuh begitu jendela dibulatkan ke paket berikutnya, yang menambah sisa paket itu sekaligus: jendela tumbuh lebih cepat dari satu paket per perjalanan pulang-pergi.</translation>
    </message>
    <message>
        <source>Slow start: each new ACK grows the Tx Window by one packet, however many packets it acknowledges, so the window doubles every round trip until it reaches SSThresh.</source>
        <translation>Slow start: setiap ACK baru menambah Jendela Kirim satu paket, berapa pun paket yang diakuinya, sehingga jendela berlipat dua setiap perjalanan pulang-pergi sampai mencapai SSThresh.</translation>
    </message>
    <message>
        <source>Slow start: each new ACK grows the Tx Window by one packet, however many packets it acknowledges, so the window doubles every round trip.</source>
        <translation>Slow start: setiap ACK baru menambah Jendela Kirim satu paket, berapa pun paket yang diakuinya, sehingga jendela berlipat dua setiap perjalanan pulang-pergi.</translation>
    </message>
    <message>
        <source>Selective repeat without slow start: each duplicate ACK opens the Tx Window by one packet while the holes are resent.</source>
        <translation>Selective repeat tanpa slow start: setiap ACK duplikat membuka Jendela Kirim satu paket sementara celah-celahnya dikirim ulang.</translation>
    </message>
    <message>
        <source>Selective repeat without slow start: the first new ACK after the duplicates restores the smallest window seen while they arrived.</source>
        <translation>Selective repeat tanpa slow start: ACK baru pertama setelah duplikat memulihkan jendela terkecil yang terlihat selama duplikat berdatangan.</translation>
    </message>
    <message>
        <source>The Tx Window never grows beyond the receiver&apos;s window (Rx Window Size).</source>
        <translation>Jendela Kirim tidak pernah tumbuh melebihi jendela penerima (Ukuran Jendela Terima).</translation>
    </message>
    <message>
        <source>the cell of packet %1</source>
        <translation>sel paket %1</translation>
    </message>
    <message>
        <source>none: it is dropped</source>
        <translation>tidak ada: paket dibuang</translation>
    </message>
    <message>
        <source>Packet %1 (sequence number %2) reaches the receiver in %3 tick.</source>
        <translation>Paket %1 (nomor urut %2) mencapai penerima dalam %3 detak.</translation>
    </message>
    <message>
        <source>Packet %1 (sequence number %2) reaches the receiver in %3 ticks.</source>
        <translation>Paket %1 (nomor urut %2) mencapai penerima dalam %3 detak.</translation>
    </message>
    <message>
        <source>An ACK asking for packet %1 reaches the sender in %2 tick.</source>
        <translation>ACK yang meminta paket %1 mencapai pengirim dalam %2 detak.</translation>
    </message>
    <message>
        <source>An ACK asking for packet %1 reaches the sender in %2 ticks.</source>
        <translation>ACK yang meminta paket %1 mencapai pengirim dalam %2 detak.</translation>
    </message>
    <message>
        <source>Which packet will the receiver ask for next?</source>
        <translation>Paket mana yang akan diminta penerima berikutnya?</translation>
    </message>
    <message>
        <source>What will the Tx Window Size be?</source>
        <translation>Berapa Ukuran Jendela Kirim nantinya?</translation>
    </message>
    <message>
        <source>Packet %1&apos;s timer runs out in %2 tick.</source>
        <translation>Pewaktu paket %1 habis dalam %2 detak.</translation>
    </message>
    <message>
        <source>Packet %1&apos;s timer runs out in %2 ticks.</source>
        <translation>Pewaktu paket %1 habis dalam %2 detak.</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet %1 reaches the sender in %2 tick.</source>
        <translation>ACK duplikat ketiga yang meminta paket %1 mencapai pengirim dalam %2 detak.</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet %1 reaches the sender in %2 ticks.</source>
        <translation>ACK duplikat ketiga yang meminta paket %1 mencapai pengirim dalam %2 detak.</translation>
    </message>
    <message>
        <source>What will SSThresh be?</source>
        <translation>Berapa SSThresh nantinya?</translation>
    </message>
    <message>
        <source>Which packets will the sender send again before it sends a new one?</source>
        <translation>Paket mana yang akan dikirim ulang pengirim sebelum mengirim paket baru?</translation>
    </message>
    <message>
        <source>Which packets will the sender queue to send again right then?</source>
        <translation>Paket mana yang akan dimasukkan pengirim ke antrean untuk dikirim ulang saat itu?</translation>
    </message>
    <message>
        <source>In-order receiver.</source>
        <translation>Penerima berurutan.</translation>
    </message>
    <message>
        <source>This receiver keeps only the packet it expects next, packet %1 (sequence number %2).</source>
        <translation>Penerima ini hanya menyimpan paket yang diharapkannya berikutnya, paket %1 (nomor urut %2).</translation>
    </message>
    <message>
        <source>Packet %1 is dropped, and the receiver answers at once with an ACK asking again for packet %2: an ACK always names the next packet awaited, never the one that arrived.</source>
        <translation>Paket %1 dibuang, dan penerima langsung menjawab dengan ACK yang meminta lagi paket %2: ACK selalu menyebut paket berikutnya yang ditunggu, tidak pernah paket yang baru tiba.</translation>
    </message>
    <message>
        <source>The sender will have to send every later packet again.</source>
        <translation>Pengirim harus mengirim lagi setiap paket berikutnya.</translation>
    </message>
    <message>
        <source>Which cell of the receiver&apos;s strip will take it in?</source>
        <translation>Sel mana di strip penerima yang akan menerimanya?</translation>
    </message>
    <message>
        <source>Sequence-number aliasing.</source>
        <translation>Aliasing nomor urut.</translation>
    </message>
    <message>
        <source>The receiver knows a packet only by its sequence number, the packet number Mod %1.</source>
        <translation>Penerima mengenal paket hanya dari nomor urutnya, yaitu nomor paket Mod %1.</translation>
    </message>
    <message>
        <source>Packet %1 carries sequence number %2, and so does packet %3 inside the receive window, so the receiver takes it in as that packet: the cell turns dark red.</source>
        <translation>Paket %1 membawa nomor urut %2, begitu juga paket %3 di dalam jendela terima, jadi penerima menerimanya sebagai paket itu: selnya berubah merah tua.</translation>
    </message>
    <message>
        <source>The sequence space (Max Sequence No) is too small for the windows; it must hold the sender&apos;s and the receiver&apos;s windows together.</source>
        <translation>Ruang nomor urut (Nomor Urut Maks.) terlalu kecil untuk jendela-jendelanya; ruang itu harus memuat jendela pengirim dan jendela penerima sekaligus.</translation>
    </message>
    <message>
        <source>Cumulative acknowledgement.</source>
        <translation>Pengakuan kumulatif.</translation>
    </message>
    <message>
        <source>Packet %1 is the packet the receiver was waiting for, and the packets after it had already arrived and been kept.</source>
        <translation>Paket %1 adalah paket yang ditunggu penerima, dan paket-paket sesudahnya sudah tiba dan disimpan.</translation>
    </message>
    <message>
        <source>Its arrival completes the run, so the receive window slides past all of them and the ACK asks for packet %1, the first packet still missing, not for packet %2.</source>
        <translation>Kedatangannya melengkapi urutan, jadi jendela terima bergeser melewati semuanya dan ACK meminta paket %1, paket pertama yang masih hilang, bukan paket %2.</translation>
    </message>
    <message>
        <source>Which packet will the sender&apos;s window start at?</source>
        <translation>Pada paket mana jendela pengirim akan dimulai?</translation>
    </message>
    <message>
        <source>An ACK names the next packet the receiver awaits, so it acknowledges every packet before that one.</source>
        <translation>ACK menyebut paket berikutnya yang ditunggu penerima, jadi ACK itu mengakui setiap paket sebelumnya.</translation>
    </message>
    <message>
        <source>The sender blackens them, stops their timers and slides its window on to the oldest packet still unacknowledged, packet %1.</source>
        <translation>Pengirim menghitamkannya, menghentikan pewaktunya, dan menggeser jendelanya ke paket tertua yang belum diakui, paket %1.</translation>
    </message>
</context>
<context>
    <name>protocols</name>
    <message>
        <source>&quot;%1&quot; is not a protocol; the protocols are %2.</source>
        <translation>&quot;%1&quot; bukan protokol; protokolnya adalah %2.</translation>
    </message>
    <message>
        <source>A comparison runs two or three protocols, not %1.</source>
        <translation>Perbandingan menjalankan dua atau tiga protokol, bukan %1.</translation>
    </message>
    <message>
        <source>Stop-and-wait</source>
        <translation>Stop-and-wait</translation>
    </message>
    <message>
        <source>Go-back-N (textbook)</source>
        <translation>Go-back-N (buku teks)</translation>
    </message>
    <message>
        <source>Selective repeat</source>
        <translation>Selective repeat</translation>
    </message>
    <message>
        <source>Tahoe-like TCP</source>
        <translation>TCP ala Tahoe</translation>
    </message>
    <message>
        <source>Reno-like TCP</source>
        <translation>TCP ala Reno</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>khusus</translation>
    </message>
    <message>
        <source>Receiver keeps out-of-order packets</source>
        <translation>Penerima menyimpan paket tak berurutan</translation>
    </message>
    <message>
        <source>Fast retransmit as Tahoe: back to one packet</source>
        <translation>Fast retransmit seperti Tahoe: kembali ke satu paket</translation>
    </message>
    <message>
        <source>Fast retransmit as Reno: fast recovery</source>
        <translation>Fast retransmit seperti Reno: fast recovery</translation>
    </message>
</context>
<context>
    <name>run files</name>
    <message>
        <source>text</source>
        <extracomment>What a JSON value is, in &quot;The field &quot;x&quot; should be a list, not %2.&quot;</extracomment>
        <translation>teks</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true atau false</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>angka</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>daftar</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>objek</translation>
    </message>
    <message>
        <source>null</source>
        <translation>null</translation>
    </message>
    <message>
        <source>The field %1 is missing.</source>
        <translation>Kolom %1 tidak ada.</translation>
    </message>
    <message>
        <source>The field %1 should be an object, not %2.</source>
        <translation>Kolom %1 seharusnya objek, bukan %2.</translation>
    </message>
    <message>
        <source>The field %1 is %2, outside %3 to %4.</source>
        <translation>Kolom %1 bernilai %2, di luar %3 sampai %4.</translation>
    </message>
    <message>
        <source>The field %1 should be a whole number written without a decimal point or an exponent, not %2.</source>
        <translation>Kolom %1 seharusnya bilangan bulat tanpa titik desimal atau eksponen, bukan %2.</translation>
    </message>
    <message>
        <source>The field %1 should be a whole number, not %2.</source>
        <translation>Kolom %1 seharusnya bilangan bulat, bukan %2.</translation>
    </message>
    <message>
        <source>The field %1 should be text, not %2.</source>
        <translation>Kolom %1 seharusnya teks, bukan %2.</translation>
    </message>
    <message>
        <source>The field %1 should be true or false, not %2.</source>
        <translation>Kolom %1 seharusnya true atau false, bukan %2.</translation>
    </message>
    <message>
        <source>The field %1 names no %2 this program knows: %3.</source>
        <translation>Kolom %1 menyebut %2 yang tidak dikenal program ini: %3.</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>baris %1, kolom %2</translation>
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
        <translation>Berkas berukuran %1, lebih besar dari yang boleh untuk berkas simulasi (%2).</translation>
    </message>
    <message>
        <source>The run in this link cannot be opened. It is larger than a run file may be (%1).</source>
        <translation>Simulasi dalam tautan ini tidak dapat dibuka. Ukurannya lebih besar dari yang boleh untuk berkas simulasi (%1).</translation>
    </message>
    <message>
        <source>The field %1 should be a figure such as &quot; 4&quot;, not %2.</source>
        <translation>Kolom %1 seharusnya angka seperti &quot; 4&quot;, bukan %2.</translation>
    </message>
    <message>
        <source>action</source>
        <translation>tindakan</translation>
    </message>
    <message>
        <source>option</source>
        <translation>opsi</translation>
    </message>
    <message>
        <source>slider</source>
        <translation>penggeser</translation>
    </message>
    <message>
        <source>The entry %1 should be an object, not %2.</source>
        <translation>Entri %1 seharusnya objek, bukan %2.</translation>
    </message>
    <message>
        <source>kind of question</source>
        <translation>jenis soal</translation>
    </message>
    <message>
        <source>The field %1 is empty.</source>
        <translation>Kolom %1 kosong.</translation>
    </message>
    <message>
        <source>The field %1 should be a list of two to four texts.</source>
        <translation>Kolom %1 seharusnya daftar berisi dua sampai empat teks.</translation>
    </message>
    <message>
        <source>The entry %1 should be text, not %2.</source>
        <translation>Entri %1 seharusnya teks, bukan %2.</translation>
    </message>
    <message>
        <source>The entry %1 is empty or the same as a choice before it.</source>
        <translation>Entri %1 kosong atau sama dengan pilihan sebelumnya.</translation>
    </message>
    <message>
        <source>The field %1 should be a list, not %2.</source>
        <translation>Kolom %1 seharusnya daftar, bukan %2.</translation>
    </message>
    <message>
        <source>The field %1 is %2, before the tick of the action before it (%3).</source>
        <translation>Kolom %1 bernilai %2, sebelum detak tindakan sebelumnya (%3).</translation>
    </message>
    <message>
        <source>The field %1 is %2, after the run&apos;s last tick (%3).</source>
        <translation>Kolom %1 bernilai %2, setelah detak terakhir simulasi (%3).</translation>
    </message>
    <message>
        <source>The field %1 should be a list of at most %2 planned losses.</source>
        <translation>Kolom %1 seharusnya daftar berisi paling banyak %2 kehilangan terencana.</translation>
    </message>
    <message>
        <source>The entry %1 should be one planned loss such as &quot;p5&quot;, &quot;p7.2&quot; or &quot;a9&quot;.</source>
        <translation>Entri %1 seharusnya satu kehilangan terencana seperti &quot;p5&quot;, &quot;p7.2&quot;, atau &quot;a9&quot;.</translation>
    </message>
    <message>
        <source>The file holds JSON but not a run: its top level is %1, not an object.</source>
        <translation>Berkas berisi JSON tetapi bukan simulasi: tingkat teratasnya %1, bukan objek.</translation>
    </message>
    <message>
        <source>The file is not a run file: its field %1 is not %2.</source>
        <translation>Berkas ini bukan berkas simulasi: kolom %1-nya bukan %2.</translation>
    </message>
    <message>
        <source>The file is format version %1, newer than this program reads (%2); a newer version of the program opens it.</source>
        <translation>Berkas ini berformat versi %1, lebih baru dari yang dibaca program ini (%2); versi program yang lebih baru dapat membukanya.</translation>
    </message>
    <message>
        <source>The field %1 should be a list of one or two runs.</source>
        <translation>Kolom %1 seharusnya daftar berisi satu atau dua simulasi.</translation>
    </message>
    <message>
        <source>The field %1 should be a list of at most %2 questions.</source>
        <translation>Kolom %1 seharusnya daftar berisi paling banyak %2 soal.</translation>
    </message>
    <message>
        <source>The field %1 is before the tick of the question before it.</source>
        <translation>Kolom %1 berada sebelum detak soal sebelumnya.</translation>
    </message>
    <message>
        <source>The file holds an object with more than %1 fields; a run file&apos;s have a dozen at most.</source>
        <translation>Berkas berisi objek dengan lebih dari %1 kolom; objek berkas simulasi paling banyak berisi selusin.</translation>
    </message>
    <message>
        <source>The file nests its lists and objects more than %1 deep; a run file needs three.</source>
        <translation>Berkas menyarangkan daftar dan objeknya lebih dari %1 tingkat; berkas simulasi butuh tiga.</translation>
    </message>
    <message>
        <source>The file holds more values than a run file of %1 MB can.</source>
        <translation>Berkas berisi lebih banyak nilai daripada yang dapat dimuat berkas simulasi %1 MB.</translation>
    </message>
    <message>
        <source>The file holds a NUL byte at %1: a run file is plain text.</source>
        <translation>Berkas berisi byte NUL di %1: berkas simulasi adalah teks biasa.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text: a malformed byte stands at %1.</source>
        <translation>Berkas bukan teks UTF-8: ada byte rusak di %1.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Berkas kosong.</translation>
    </message>
    <message>
        <source>The file is not valid JSON: something unexpected stands at %1.</source>
        <translation>Berkas bukan JSON yang sah: ada sesuatu yang tak terduga di %1.</translation>
    </message>
    <message>
        <source>The file ends too early, at %1: it is cut short.</source>
        <translation>Berkas berakhir terlalu cepat, di %1: berkas terpotong.</translation>
    </message>
    <message>
        <source>The file has more after its end, at %1.</source>
        <translation>Berkas masih berisi sesuatu setelah akhirnya, di %1.</translation>
    </message>
    <message>
        <source>The file is not valid JSON.</source>
        <translation>Berkas bukan JSON yang sah.</translation>
    </message>
    <message>
        <source>The file holds a value of the wrong kind.</source>
        <translation>Berkas berisi nilai dengan jenis yang salah.</translation>
    </message>
    <message>
        <source>Could not open %1: there is no such file.</source>
        <translation>Tidak dapat membuka %1: berkas itu tidak ada.</translation>
    </message>
    <message>
        <source>Could not open %1: it is a folder, not a file.</source>
        <translation>Tidak dapat membuka %1: itu folder, bukan berkas.</translation>
    </message>
    <message>
        <source>Could not open %1: %2.</source>
        <translation>Tidak dapat membuka %1: %2.</translation>
    </message>
    <message>
        <source>Could not open %1: it is not a plain file.</source>
        <translation>Tidak dapat membuka %1: itu bukan berkas biasa.</translation>
    </message>
    <message>
        <source>Could not open %1: it cannot be read.</source>
        <translation>Tidak dapat membuka %1: berkas tidak dapat dibaca.</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>Tidak dapat menulis %1: %2.</translation>
    </message>
    <message>
        <source>This run is too long to save: its first %1 ticks were dropped to keep within the memory budget.</source>
        <translation>Simulasi ini terlalu panjang untuk disimpan: %1 detak pertamanya dibuang agar tetap dalam anggaran memori.</translation>
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
        <translation>Slow Start</translation>
    </message>
    <message>
        <source>Avoidance</source>
        <translation>Penghindaran kemacetan</translation>
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
        <translation>ACK Tertunda</translation>
    </message>
    <message>
        <source>Auto RTT</source>
        <translation>Auto RTT</translation>
    </message>
    <message>
        <source>Slide Numbers</source>
        <translation>Geser Nomor</translation>
    </message>
    <message>
        <source>Tx Window Size</source>
        <translation>Ukuran Jendela Kirim</translation>
    </message>
    <message>
        <source>Current Flight Size</source>
        <translation>Flight Size Saat Ini</translation>
    </message>
    <message>
        <source>Duplicate ACKs</source>
        <translation>ACK Duplikat</translation>
    </message>
    <message>
        <source>SSThresh</source>
        <translation>SSThresh</translation>
    </message>
    <message>
        <source>Rx Window Size</source>
        <translation>Ukuran Jendela Terima</translation>
    </message>
    <message>
        <source>Timeout Timer</source>
        <translation>Pewaktu Batas Waktu</translation>
    </message>
    <message>
        <source>TimeOut Timer</source>
        <translation>Pewaktu Batas Waktu</translation>
    </message>
    <message>
        <source>Max Sequence No</source>
        <translation>Nomor Urut Maks.</translation>
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
        <translation>Tidak diketahui</translation>
    </message>
    <message>
        <source>Packet X : Sequence Number X</source>
        <translation>Paket X : Nomor Urut X</translation>
    </message>
    <message>
        <source>ACK for X : Sent After Packet X Arrived</source>
        <translation>ACK untuk X : Dikirim Setelah Paket X Tiba</translation>
    </message>
    <message>
        <source>Packet %1 : Sequence Number %2</source>
        <translation>Paket %1 : Nomor Urut %2</translation>
    </message>
    <message>
        <source>ACK with Seq Num %1 (packet %2) : Packet %3 Arrived</source>
        <translation>ACK No. Urut %1 (paket %2) : Paket %3 Tiba</translation>
    </message>
    <message>
        <source>Press &apos;Start&apos; to go...</source>
        <translation>Tekan &apos;Start&apos; untuk mulai...</translation>
    </message>
    <message>
        <source>Hoping for ACK with sequence number %1</source>
        <translation>Menunggu ACK dengan nomor urut %1</translation>
    </message>
    <message>
        <source>Hoping for ACK with sequence number between %1 and %2</source>
        <translation>Menunggu ACK dengan nomor urut antara %1 dan %2</translation>
    </message>
    <message>
        <source>Waiting for packet %1 with sequence number %2</source>
        <translation>Menunggu paket %1 dengan nomor urut %2</translation>
    </message>
    <message>
        <source>Transmit window now %1 only %2 in flight, so sending packet %3</source>
        <translation>Jendela kirim kini %1, hanya %2 dalam perjalanan, jadi mengirim paket %3</translation>
    </message>
    <message>
        <source>Sending ACK for packet %1 (sequence number %2) asking for packet with sequence number %3</source>
        <translation>Mengirim ACK untuk paket %1 (nomor urut %2) yang meminta paket dengan nomor urut %3</translation>
    </message>
    <message>
        <source> %1 Duplicate ACK for sequence number %2 arrived</source>
        <translation> ACK duplikat ke-%1 untuk nomor urut %2 tiba</translation>
    </message>
    <message>
        <source>Non-Duplicate ACK arrived: leaving fast re-transmit.</source>
        <translation>ACK non-duplikat tiba: keluar dari fast retransmit.</translation>
    </message>
    <message>
        <source>New ACK arrived: increasing window size to %1</source>
        <translation>ACK baru tiba: memperbesar jendela menjadi %1</translation>
    </message>
    <message>
        <source>Third duplicate ACK arrived.  Entering fast retransmit, and retransmitting packet %1</source>
        <translation>ACK duplikat ketiga tiba.  Masuk fast retransmit, dan mengirim ulang paket %1</translation>
    </message>
    <message>
        <source>Third duplicate ACK arrived.  Tahoe: retransmitting packet %1 and starting again from a window of one packet</source>
        <translation>ACK duplikat ketiga tiba.  Tahoe: mengirim ulang paket %1 dan mulai lagi dari jendela satu paket</translation>
    </message>
    <message>
        <source>Retransmitting packet %1</source>
        <translation>Mengirim ulang paket %1</translation>
    </message>
    <message>
        <source>Going back: retransmitting packet %1</source>
        <translation>Mundur: mengirim ulang paket %1</translation>
    </message>
    <message>
        <source>Run Out of Packets to Send</source>
        <translation>Paket untuk dikirim sudah habis</translation>
    </message>
</context>
<context>
    <name>status</name>
    <message>
        <source>End of the lesson</source>
        <translation>Akhir pelajaran</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>Simulasi %1</translation>
    </message>
    <message>
        <source>Tick %1</source>
        <translation>Detak %1</translation>
    </message>
    <message>
        <source>Run %1: %2</source>
        <translation>Simulasi %1: %2</translation>
    </message>
    <message>
        <source>Run %1, options kept at Reset</source>
        <translation>Simulasi %1, opsi dipertahankan saat Reset</translation>
    </message>
    <message>
        <source>%1: End of the lesson</source>
        <translation>%1: Akhir pelajaran</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>Receiver keeps only in-order packets</source>
        <translation>Penerima hanya menyimpan paket berurutan</translation>
    </message>
    <message>
        <source>Sender resends the whole window on a timeout</source>
        <translation>Pengirim mengirim ulang seluruh jendela saat batas waktu habis</translation>
    </message>
    <message>
        <source>Fast retransmit restarts slow start (Tahoe)</source>
        <translation>Fast retransmit memulai ulang slow start (Tahoe)</translation>
    </message>
    <message>
        <source>This run has used every packet number up to %1. Press Reset to start a new run.</source>
        <translation>Simulasi ini telah memakai setiap nomor paket sampai %1. Tekan Reset untuk memulai simulasi baru.</translation>
    </message>
</context>
</TS>
