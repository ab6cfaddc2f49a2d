<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>ClassroomPanel</name>
    <message>
        <source>Classroom Session</source>
        <translation>课堂会话</translation>
    </message>
    <message>
        <source>QR code of the address to join the class</source>
        <translation>加入课堂地址的二维码</translation>
    </message>
    <message>
        <source>&amp;Ask the Room</source>
        <translation>向全班提问(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Reveal</source>
        <translation>揭晓(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Vote Again</source>
        <translation>重新投票(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>播放(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Stop Session</source>
        <translation>结束会话(&amp;S)</translation>
    </message>
</context>
<context>
    <name>ClassroomServer</name>
    <message>
        <source>The classroom session could not listen on port %1: %2</source>
        <translation>课堂会话无法在端口 %1 上监听：%2</translation>
    </message>
</context>
<context>
    <name>ClassroomSession</name>
    <message>
        <source>The class answers could not be written to %1: %2</source>
        <translation>无法把全班答案写入 %1：%2</translation>
    </message>
    <message>
        <source>Part of the program could not be loaded: %1</source>
        <translation>无法加载程序的一部分：%1</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>缺少 %1</translation>
    </message>
</context>
<context>
    <name>CompareChart</name>
    <message>
        <source>Click a tick to take every configuration back to it</source>
        <translation>点击某个时钟节拍，把所有配置都退回到那一刻</translation>
    </message>
    <message>
        <source>Transmit window (packets)</source>
        <translation>发送窗口（分组）</translation>
    </message>
    <message>
        <source>Goodput (packets per 100 ticks, over the last 200)</source>
        <translation>有效吞吐量（每 100 个节拍的分组数，按最近 200 个节拍计）</translation>
    </message>
    <message>
        <source>tick (50 ms at 1×)</source>
        <translation>节拍（1× 时为 50 ms）</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Configuration &amp;%1:</source>
        <translation>配置 &amp;%1：</translation>
    </message>
    <message>
        <source> (Network → Losses… changes them, here or in the comparison)</source>
        <translation> （网络 → 丢失… 可修改，在此处或在比较中）</translation>
    </message>
    <message>
        <source>Run these side by side from one clock, with the same losses:</source>
        <translation>用同一个时钟、相同的丢失并排运行以下配置：</translation>
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
        <translation>比较：%1</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>运行</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>单步(&amp;T)</translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation>后退一步(&amp;B)</translation>
    </message>
    <message>
        <source>Speed of the shared clock</source>
        <translation>共享时钟的速度</translation>
    </message>
    <message>
        <source>&amp;Losses…</source>
        <translation>丢失(&amp;L)…</translation>
    </message>
    <message>
        <source>&amp;Diagram…</source>
        <translation>图示(&amp;D)…</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>保存(&amp;S)…</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Each configuration loses the same packets and ACKs. A click on the chart takes all of them back to that tick; a packet or ACK you lose in one window is lost in the others too.</source>
        <translation>每个配置丢失相同的分组和 ACK。点击图表会把所有配置退回到该节拍；你在一个窗口中丢弃的分组或 ACK，在其他窗口中也会丢失。</translation>
    </message>
    <message>
        <source>E&amp;xport Picture…</source>
        <translation>导出图片(&amp;X)…</translation>
    </message>
    <message>
        <source>&amp;Handout…</source>
        <translation>讲义(&amp;H)…</translation>
    </message>
</context>
<context>
    <name>EventLogModel</name>
    <message>
        <source>sender</source>
        <translation>发送方</translation>
    </message>
    <message>
        <source>receiver</source>
        <translation>接收方</translation>
    </message>
    <message>
        <source>user</source>
        <translation>用户</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>节拍</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>一方</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>发生了什么</translation>
    </message>
</context>
<context>
    <name>EventLogView</name>
    <message>
        <source>Show:</source>
        <translation>显示：</translation>
    </message>
</context>
<context>
    <name>LadderView</name>
    <message>
        <source>Time-Sequence Diagram</source>
        <translation>时序图</translation>
    </message>
    <message>
        <source>Time-sequence diagram of the run</source>
        <translation>本次运行的时序图</translation>
    </message>
    <message>
        <source>Export Picture…</source>
        <translation>导出图片…</translation>
    </message>
</context>
<context>
    <name>LegendDialog</name>
    <message>
        <source>Legend</source>
        <translation>图例</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>LessonsDialog</name>
    <message>
        <source>Lessons</source>
        <translation>课程</translation>
    </message>
</context>
<context>
    <name>LossesDialog</name>
    <message>
        <source>&amp;Remove</source>
        <translation>删除(&amp;R)</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>丢失</translation>
    </message>
    <message>
        <source>At random</source>
        <translation>随机</translation>
    </message>
    <message>
        <source>&amp;Packets lost:</source>
        <translation>分组丢失(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;ACKs lost:</source>
        <translation>ACK 丢失(&amp;A)：</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>种子(&amp;S)：</translation>
    </message>
    <message>
        <source>Packet</source>
        <translation>分组</translation>
    </message>
    <message>
        <source>ACK for packet</source>
        <translation>分组的 ACK</translation>
    </message>
    <message>
        <source>The packet&apos;s number; for an ACK, the packet whose arrival sends it</source>
        <translation>分组的编号；对于 ACK，是其到达触发该 ACK 的分组</translation>
    </message>
    <message>
        <source>transmission </source>
        <translation>第几次传输 </translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>添加(&amp;D)</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>计划的</translation>
    </message>
    <message>
        <source>Each loss is a double click on the packet or ACK as it crosses the middle of the network, recorded like yours. The same seed loses the same packets in every run and every protocol.</source>
        <translation>每次丢失都相当于在分组或 ACK 经过网络中间时双击它，与你的操作一样被记录。相同的种子在每次运行、每种协议中丢失相同的分组。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Time-Sequence Diagram</source>
        <translation>时序图(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Lessons...</source>
        <translation>课程(&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;Keys and Mouse</source>
        <translation>键盘和鼠标(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>退出全屏</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab、Shift+Tab</translation>
    </message>
    <message>
        <source>Move among the panel&apos;s controls, then into the flight area</source>
        <translation>在面板的控件之间移动，然后进入传输区</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空格</translation>
    </message>
    <message>
        <source>Press the focused button or tick the focused box</source>
        <translation>按下获得焦点的按钮或勾选获得焦点的复选框</translation>
    </message>
    <message>
        <source>Arrow keys on a slider</source>
        <translation>滑块上的方向键</translation>
    </message>
    <message>
        <source>Up for more on the window and sequence sliders; Right for a longer timeout</source>
        <translation>窗口和序号滑块按“上”增大；超时滑块按“右”加长</translation>
    </message>
    <message>
        <source>Arrow keys in the flight area</source>
        <translation>传输区中的方向键</translation>
    </message>
    <message>
        <source>Pick a travelling packet or ACK (it is outlined)</source>
        <translation>选中一个正在传输的分组或 ACK（加上轮廓）</translation>
    </message>
    <message>
        <source>Space in the flight area</source>
        <translation>传输区中的空格</translation>
    </message>
    <message>
        <source>Hold the picked one, or let it go on</source>
        <translation>扣住选中的那个，或让它继续前进</translation>
    </message>
    <message>
        <source>Delete in the flight area</source>
        <translation>传输区中的 Delete</translation>
    </message>
    <message>
        <source>Lose the picked one</source>
        <translation>丢弃选中的那个</translation>
    </message>
    <message>
        <source>Keys and Mouse</source>
        <translation>键盘和鼠标</translation>
    </message>
    <message>
        <source>On the chart: the wheel zooms, the scroll bar below moves through the run, a click puts the cursor on a tick, a double click (or &lt;i&gt;Rewind to Cursor&lt;/i&gt;) goes back to it. Selecting a line of the log moves the cursor to its tick.</source>
        <translation>在图表上：滚轮缩放，下方的滚动条在运行中移动，单击把光标放到某个节拍上，双击（或&lt;i&gt;回退到光标&lt;/i&gt;）回到该节拍。选中日志中的一行会把光标移到它的节拍。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Version %2&lt;/p&gt;&lt;p&gt;A sliding-window transport protocol with congestion control, animated on a 50 ms clock: slow start, congestion avoidance, fast retransmit and recovery, selective repeat, delayed ACKs and an adaptive timeout.&lt;/p&gt;&lt;p&gt;The run is recorded as it goes, so it can be stepped back, rewound to any earlier tick on the chart, and exported.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;版本 %2&lt;/p&gt;&lt;p&gt;一个带拥塞控制的滑动窗口传输协议，以 50 ms 的时钟动画演示：慢启动、拥塞避免、快速重传与快速恢复、选择重传、延迟 ACK 以及自适应超时。&lt;/p&gt;&lt;p&gt;运行过程会被随时记录，因此可以逐步后退、在图表上回退到任何更早的节拍，并导出。&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>The window</source>
        <translation>窗口</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>图表</translation>
    </message>
    <message>
        <source>The time-sequence diagram</source>
        <translation>时序图</translation>
    </message>
    <message>
        <source>The table of figures</source>
        <translation>数值表</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>导出图片</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>显示(&amp;S)：</translation>
    </message>
    <message>
        <source>Export Comparison Picture</source>
        <translation>导出对比图片</translation>
    </message>
    <message>
        <source>Show together:</source>
        <translation>一并显示：</translation>
    </message>
    <message>
        <source>Export Handout</source>
        <translation>导出讲义</translation>
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
        <translation>纸张(&amp;P)：</translation>
    </message>
    <message>
        <source>to</source>
        <translation>至</translation>
    </message>
    <message>
        <source>Ticks from:</source>
        <translation>节拍从：</translation>
    </message>
    <message>
        <source>four ticks spread over the range</source>
        <translation>在范围内均匀取四个节拍</translation>
    </message>
    <message>
        <source>Up to four ticks, separated by commas, such as 0, 150, 300, 450</source>
        <translation>最多四个节拍，用逗号分隔，例如 0, 150, 300, 450</translation>
    </message>
    <message>
        <source>&amp;Window at ticks:</source>
        <translation>窗口所在节拍(&amp;W)：</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>尺寸：</translation>
    </message>
    <message>
        <source>Title line: the run, its protocol, losses and ticks</source>
        <translation>标题行：本次运行、其协议、丢失情况和节拍</translation>
    </message>
    <message>
        <source>Choose at least one view to show.</source>
        <translation>请至少选择一个要显示的视图。</translation>
    </message>
    <message>
        <source>Window at ticks: %1.</source>
        <translation>窗口所在节拍：%1。</translation>
    </message>
</context>
<context>
    <name>PracticePanel</name>
    <message>
        <source>Practice</source>
        <translation>练习</translation>
    </message>
    <message>
        <source>Skip (Esc)</source>
        <translation>跳过（Esc）</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>得分：</translation>
    </message>
    <message>
        <source>Questions per minute:</source>
        <translation>每分钟题数：</translation>
    </message>
    <message>
        <source>Copy Summary</source>
        <translation>复制总结</translation>
    </message>
    <message>
        <source>Watching the run for the next question…</source>
        <translation>正在观察运行，等待下一题…</translation>
    </message>
    <message>
        <source>Watch the run: the event comes in a few ticks.</source>
        <translation>请观察运行：事件将在几个节拍后发生。</translation>
    </message>
    <message>
        <source>Skipped: the run gave %1.</source>
        <translation>已跳过：运行结果是 %1。</translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>正确。</translation>
    </message>
    <message>
        <source>Not so: the run gave %1.</source>
        <translation>不对：运行结果是 %1。</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>答对 %1 / %2</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Time-Sequence Diagrams, Ticks %1 to %2</source>
        <translation>时序图，节拍 %1 至 %2</translation>
    </message>
    <message>
        <source>A receiver cell: a packet&apos;s number. Its colour (and, with state marks on, its mark) says whether the receiver awaits or holds the packet; View &gt; Legend explains them.</source>
        <translation>接收方单元格：一个分组的编号。它的颜色（开启状态标记时还有标记）表示接收方是在等待还是已持有该分组；“视图 &gt; 图例”中有说明。</translation>
    </message>
    <message>
        <source>A packet on its way to the receiver. </source>
        <translation>一个发往接收方的分组。 </translation>
    </message>
    <message>
        <source>An ACK on its way back to the sender. </source>
        <translation>一个返回发送方的 ACK。 </translation>
    </message>
    <message>
        <source>sender cell</source>
        <translation>发送方单元格</translation>
    </message>
    <message>
        <source>receiver cell</source>
        <translation>接收方单元格</translation>
    </message>
    <message>
        <source>Timeout Timer</source>
        <translation>超时定时器</translation>
    </message>
    <message>
        <source>Tx Window Size</source>
        <translation>发送窗口大小</translation>
    </message>
    <message>
        <source>Rx Window Size</source>
        <translation>接收窗口大小</translation>
    </message>
    <message>
        <source>Max Sequence No</source>
        <translation>最大序号</translation>
    </message>
    <message>
        <source>setting %1</source>
        <translation>设置 %1</translation>
    </message>
    <message>
        <source>highest sequence number %1</source>
        <translation>最大序号 %1</translation>
    </message>
    <message>
        <source>%1 packets</source>
        <translation>%1 个分组</translation>
    </message>
    <message>
        <source>Timeout bar: runs down while the packet waits for its ACK; when it is empty the packet is sent again.</source>
        <translation>超时条：分组等待 ACK 时逐渐缩短；变空时分组被重传。</translation>
    </message>
    <message>
        <source>The sender strip. The purple frame is the sender&apos;s window: the packets it may send before an ACK comes back.</source>
        <translation>发送方条带。紫色框是发送方的窗口：在 ACK 返回之前它可以发送的分组。</translation>
    </message>
    <message>
        <source>The receiver strip. The purple frame is the receiver&apos;s window: the packets it takes in.</source>
        <translation>接收方条带。紫色框是接收方的窗口：它接收的分组。</translation>
    </message>
    <message>
        <source>Packets travel down on the left, ACKs up on the right. </source>
        <translation>分组在左侧向下传输，ACK 在右侧向上返回。 </translation>
    </message>
    <message>
        <source>Page &amp;Address...</source>
        <translation>页面地址(&amp;A)...</translation>
    </message>
    <message>
        <source>Page Address</source>
        <translation>页面地址</translation>
    </message>
    <message>
        <source>The address where the page is published (https://...):</source>
        <translation>页面发布的地址（https://...）：</translation>
    </message>
    <message>
        <source>Show Link as &amp;QR Code</source>
        <translation>以二维码显示链接(&amp;Q)</translation>
    </message>
    <message>
        <source>Show Link as QR Code (set the page&apos;s address first: View &gt; Page Address or --page-url URL)</source>
        <translation>以二维码显示链接（请先设置页面地址：视图 &gt; 页面地址，或 --page-url URL）</translation>
    </message>
    <message>
        <source>The page address %1 is not used: it must be a web address beginning with https:// or http://, or a file:// address.</source>
        <translation>未使用页面地址 %1：它必须是以 https:// 或 http:// 开头的网址，或 file:// 地址。</translation>
    </message>
    <message>
        <source>&amp;Chart and Log</source>
        <translation>图表和日志(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Open Run...</source>
        <translation>打开运行(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save Run As...</source>
        <translation>运行另存为(&amp;S)...</translation>
    </message>
    <message>
        <source>Export Chart as &amp;PNG...</source>
        <translation>将图表导出为 PNG(&amp;P)...</translation>
    </message>
    <message>
        <source>Export Chart as PNG</source>
        <translation>将图表导出为 PNG</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>Export Chart as S&amp;VG...</source>
        <translation>将图表导出为 SVG(&amp;V)...</translation>
    </message>
    <message>
        <source>Export Chart as SVG</source>
        <translation>将图表导出为 SVG</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>SVG 图形 (*.svg)</translation>
    </message>
    <message>
        <source>Export Run as &amp;CSV...</source>
        <translation>将运行导出为 CSV(&amp;C)...</translation>
    </message>
    <message>
        <source>Export Run as CSV</source>
        <translation>将运行导出为 CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Export Run as Packet Ca&amp;pture...</source>
        <translation>将运行导出为抓包文件(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>无法写入 %1。</translation>
    </message>
    <message>
        <source>Packet capture at the sender (*.pcap)</source>
        <translation>发送方处的抓包 (*.pcap)</translation>
    </message>
    <message>
        <source>Packet capture at the receiver (*.pcap)</source>
        <translation>接收方处的抓包 (*.pcap)</translation>
    </message>
    <message>
        <source>Export Run as Packet Capture</source>
        <translation>将运行导出为抓包文件</translation>
    </message>
    <message>
        <source>Open Run</source>
        <translation>打开运行</translation>
    </message>
    <message>
        <source>Runs (*.swrun *.json);;All files (*)</source>
        <translation>运行 (*.swrun *.json);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Save Run As</source>
        <translation>运行另存为</translation>
    </message>
    <message>
        <source>Runs (*.swrun);;Runs, as before (*.json)</source>
        <translation>运行 (*.swrun);;运行，旧格式 (*.json)</translation>
    </message>
    <message>
        <source>%1 cannot be opened. %2</source>
        <translation>无法打开 %1。%2</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>运行(&amp;R)</translation>
    </message>
    <message>
        <source>S&amp;tep One Tick</source>
        <translation>前进一个节拍(&amp;T)</translation>
    </message>
    <message>
        <source>Step &amp;Back One Tick</source>
        <translation>后退一个节拍(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Compare…</source>
        <translation>比较(&amp;C)…</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>练习(&amp;P)</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>速度(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Protocol</source>
        <translation>协议(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>网络(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Losses…</source>
        <translation>丢失(&amp;L)…</translation>
    </message>
    <message>
        <source>&amp;No Losses</source>
        <translation>无丢失(&amp;N)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>实际大小(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>全屏(&amp;F)</translation>
    </message>
    <message>
        <source>Colour-blind safe colours</source>
        <translation>色盲友好配色</translation>
    </message>
    <message>
        <source>State marks</source>
        <translation>状态标记</translation>
    </message>
    <message>
        <source>&amp;Legend</source>
        <translation>图例(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>The program speaks %1 from its next start.</source>
        <translation>程序将从下次启动起使用%1。</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>系统语言</translation>
    </message>
    <message>
        <source>Classroom &amp;Session…</source>
        <translation>课堂会话(&amp;S)…</translation>
    </message>
    <message>
        <source>Export Class &amp;Answers…</source>
        <translation>导出全班答案(&amp;A)…</translation>
    </message>
    <message>
        <source>Export Class Answers</source>
        <translation>导出全班答案</translation>
    </message>
    <message>
        <source>Now %1.</source>
        <translation>当前：%1。</translation>
    </message>
    <message>
        <source>Copy &amp;Link to Run</source>
        <translation>复制本次运行的链接(&amp;L)</translation>
    </message>
    <message>
        <source>Export P&amp;icture...</source>
        <translation>导出图片(&amp;I)...</translation>
    </message>
    <message>
        <source>Export &amp;Figures as CSV...</source>
        <translation>将数值导出为 CSV(&amp;F)...</translation>
    </message>
    <message>
        <source>Export Figures as CSV</source>
        <translation>将数值导出为 CSV</translation>
    </message>
    <message>
        <source>Export &amp;Handout (PDF)...</source>
        <translation>导出讲义 (PDF)(&amp;H)...</translation>
    </message>
    <message>
        <source>P&amp;rint Handout...</source>
        <translation>打印讲义(&amp;R)...</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>导出图片</translation>
    </message>
    <message>
        <source>PNG images (*.png);;SVG drawings (*.svg)</source>
        <translation>PNG 图像 (*.png);;SVG 矢量图 (*.svg)</translation>
    </message>
    <message>
        <source>Export Comparison Picture</source>
        <translation>导出对比图片</translation>
    </message>
    <message>
        <source>Export Handout</source>
        <translation>导出讲义</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>The handout could not be printed.</source>
        <translation>无法打印讲义。</translation>
    </message>
    <message>
        <source>&amp;Go to Tick…</source>
        <translation>转到节拍(&amp;G)…</translation>
    </message>
    <message>
        <source>Go to Tick</source>
        <translation>转到节拍</translation>
    </message>
    <message>
        <source>Tick (now %1; a later tick plays on to it, an earlier one rewinds):</source>
        <translation>节拍（当前为 %1；较晚的节拍会继续播放到该处，较早的则倒回）：</translation>
    </message>
</context>
<context>
    <name>QrDialog</name>
    <message>
        <source>Link as QR Code</source>
        <translation>链接二维码</translation>
    </message>
    <message>
        <source>QR code of the link to this run</source>
        <translation>本次运行链接的二维码</translation>
    </message>
    <message>
        <source>Scan to open this run on a phone (%1 characters).</source>
        <translation>扫码在手机上打开本次运行（%1 个字符）。</translation>
    </message>
    <message>
        <source>&amp;Copy Link</source>
        <translation>复制链接(&amp;C)</translation>
    </message>
</context>
<context>
    <name>RunChart</name>
    <message>
        <source>tick (50 ms at 1×)</source>
        <translation>节拍（1× 时为 50 ms）</translation>
    </message>
    <message>
        <source>packets</source>
        <translation>分组</translation>
    </message>
    <message>
        <source>Avoidance</source>
        <translation>拥塞避免</translation>
    </message>
    <message>
        <source>tick %1</source>
        <translation>节拍 %1</translation>
    </message>
    <message>
        <source>Put Cursor on Tick %1</source>
        <translation>把光标放在节拍 %1</translation>
    </message>
    <message>
        <source>Rewind to Tick %1</source>
        <translation>回退到节拍 %1</translation>
    </message>
    <message>
        <source>Export Picture…</source>
        <translation>导出图片…</translation>
    </message>
</context>
<context>
    <name>RunPanel</name>
    <message>
        <source>Chart and Log</source>
        <translation>图表和日志</translation>
    </message>
    <message>
        <source>The run the chart, the log and the CSV export show; each Reset begins a new run</source>
        <translation>图表、日志和 CSV 导出所显示的运行；每次 Reset 都开始一次新运行</translation>
    </message>
    <message>
        <source>Run 1 (current)</source>
        <translation>运行 1（当前）</translation>
    </message>
    <message>
        <source>Follow Run</source>
        <translation>跟随运行</translation>
    </message>
    <message>
        <source>Keep the latest tick at the right edge</source>
        <translation>让最新节拍保持在右边缘</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Fewer ticks across the chart (%1)</source>
        <translation>图表上显示更少节拍（%1）</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>More ticks across the chart (%1)</source>
        <translation>图表上显示更多节拍（%1）</translation>
    </message>
    <message>
        <source>Whole Run</source>
        <translation>整个运行</translation>
    </message>
    <message>
        <source>Every tick so far</source>
        <translation>到目前为止的所有节拍</translation>
    </message>
    <message>
        <source>Rewind to Cursor</source>
        <translation>回退到光标</translation>
    </message>
    <message>
        <source>Go back to the tick under the cursor and pause there; what happened after it is dropped (also: double click on the chart)</source>
        <translation>回到光标所在节拍并在那里暂停；之后发生的一切被丢弃（也可：在图表上双击）</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>运行 %1</translation>
    </message>
    <message>
        <source> (current)</source>
        <translation>（当前）</translation>
    </message>
    <message>
        <source>  cursor: tick %1 of %2</source>
        <translation>  光标：第 %1 个节拍，共 %2 个</translation>
    </message>
    <message>
        <source>  tick %1 (click the chart to put the cursor on a tick)</source>
        <translation>  节拍 %1（点击图表把光标放到某个节拍上）</translation>
    </message>
</context>
<context>
    <name>chart</name>
    <message>
        <source>Tx window</source>
        <translation>发送窗口</translation>
    </message>
    <message>
        <source>SSThresh</source>
        <translation>SSThresh</translation>
    </message>
    <message>
        <source>Flight size</source>
        <translation>在途分组数</translation>
    </message>
    <message>
        <source>Rx window</source>
        <translation>接收窗口</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>超时</translation>
    </message>
    <message>
        <source>Fast retransmit</source>
        <translation>快速重传</translation>
    </message>
    <message>
        <source>Packet lost</source>
        <translation>分组丢失</translation>
    </message>
    <message>
        <source>ACK lost</source>
        <translation>ACK 丢失</translation>
    </message>
    <message>
        <source>State change</source>
        <translation>状态变化</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>被丢弃</translation>
    </message>
    <message>
        <source>Avoidance</source>
        <translation>拥塞避免</translation>
    </message>
</context>
<context>
    <name>diagram</name>
    <message>
        <source>%1 (seq %2)</source>
        <translation>%1（序号 %2）</translation>
    </message>
    <message>
        <source>ACK %1 dup</source>
        <translation>ACK %1 重复</translation>
    </message>
    <message>
        <source>ACK %1</source>
        <translation>ACK %1</translation>
    </message>
    <message>
        <source>timeout</source>
        <translation>超时</translation>
    </message>
    <message>
        <source>fast retransmit</source>
        <translation>快速重传</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>drop %1</source>
        <translation>丢弃 %1</translation>
    </message>
</context>
<context>
    <name>figures</name>
    <message>
        <source>Delivered in order</source>
        <translation>按序交付</translation>
    </message>
    <message>
        <source>Retransmissions</source>
        <translation>重传次数</translation>
    </message>
    <message>
        <source>Timeouts</source>
        <translation>超时次数</translation>
    </message>
    <message>
        <source>Drops by the receiver</source>
        <translation>接收方丢弃</translation>
    </message>
    <message>
        <source>Goodput (per 100 ticks)</source>
        <translation>有效吞吐量（每 100 个节拍）</translation>
    </message>
    <message>
        <source>Goodput, last 200 ticks</source>
        <translation>有效吞吐量，最近 200 个节拍</translation>
    </message>
</context>
<context>
    <name>legend</name>
    <message>
        <source>not sent yet</source>
        <translation>尚未发送</translation>
    </message>
    <message>
        <source>queued</source>
        <translation>排队中</translation>
    </message>
    <message>
        <source>queued, waiting for its first trip</source>
        <translation>排队中，等待首次发送</translation>
    </message>
    <message>
        <source>queued again to be resent</source>
        <translation>再次排队，等待重传</translation>
    </message>
    <message>
        <source>queued again, waiting to be resent</source>
        <translation>再次排队，等待被重传</translation>
    </message>
    <message>
        <source>in flight</source>
        <translation>传输中</translation>
    </message>
    <message>
        <source>in flight (sent once)</source>
        <translation>传输中（已发送一次）</translation>
    </message>
    <message>
        <source>in flight, retransmitted</source>
        <translation>传输中，已重传</translation>
    </message>
    <message>
        <source>sent again, in flight once more</source>
        <translation>已再次发送，重新在途</translation>
    </message>
    <message>
        <source>marked for a selective resend</source>
        <translation>已标记为选择性重传</translation>
    </message>
    <message>
        <source>marked to be resent at the next tick (selective repeat)</source>
        <translation>已标记在下一个节拍重传（选择重传）</translation>
    </message>
    <message>
        <source>acknowledged</source>
        <translation>已确认</translation>
    </message>
    <message>
        <source>acknowledged: done</source>
        <translation>已确认：完成</translation>
    </message>
    <message>
        <source>outside the receive window</source>
        <translation>在接收窗口之外</translation>
    </message>
    <message>
        <source>awaited</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>inside the window, not here yet</source>
        <translation>在窗口内，尚未到达</translation>
    </message>
    <message>
        <source>received</source>
        <translation>已接收</translation>
    </message>
    <message>
        <source>received under another packet&apos;s number</source>
        <translation>以另一个分组的编号被接收</translation>
    </message>
    <message>
        <source>taken in under another packet&apos;s number (too few sequence numbers)</source>
        <translation>以另一个分组的编号被接收（序号太少）</translation>
    </message>
    <message>
        <source>✕ lost here</source>
        <translation>✕ 在此丢失</translation>
    </message>
    <message>
        <source>A click on a travelling packet or ACK holds it and a click on a held one lets it go on, but until the clock has run seven ticks after such a click (350 ms at 1×, 91 ms at 4×; a paused clock runs none), any further click on a packet or ACK loses the one clicked.</source>
        <translation>单击正在传输的分组或 ACK 会扣住它，单击被扣住的则让它继续；但在这样一次单击之后，时钟走满七个节拍之前（1× 时 350 ms，4× 时 91 ms；暂停的时钟不走），对分组或 ACK 的任何再次单击都会丢弃被单击的那个。</translation>
    </message>
    <message>
        <source>Flight area</source>
        <translation>传输区</translation>
    </message>
    <message>
        <source>The arrow keys pick a travelling packet or ACK, Space holds or releases it, Delete loses it.</source>
        <translation>方向键选中正在传输的分组或 ACK，空格扣住或放开它，Delete 丢弃它。</translation>
    </message>
    <message>
        <source>Sender cells: what has happened to each packet</source>
        <translation>发送方单元格：每个分组的情况</translation>
    </message>
    <message>
        <source>Timeout bar above the cell: runs down while the packet waits for its ACK; when it is empty the packet is sent again.</source>
        <translation>单元格上方的超时条：分组等待 ACK 时逐渐缩短；变空时分组被重传。</translation>
    </message>
    <message>
        <source>Receiver cells: what the receiver holds</source>
        <translation>接收方单元格：接收方持有什么</translation>
    </message>
    <message>
        <source>Windows, packets and ACKs</source>
        <translation>窗口、分组和 ACK</translation>
    </message>
    <message>
        <source>Purple frame: the sender&apos;s window (top) and the receiver&apos;s window (bottom).</source>
        <translation>紫色框：发送方的窗口（上）和接收方的窗口（下）。</translation>
    </message>
    <message>
        <source>Outlined packet or ACK: held by a click; it waits where it is.</source>
        <translation>带轮廓的分组或 ACK：被单击扣住；它停在原地等待。</translation>
    </message>
    <message>
        <source>A held packet or ACK waits where it is (turn on state marks to outline it).</source>
        <translation>被扣住的分组或 ACK 停在原地等待（打开状态标记可显示其轮廓）。</translation>
    </message>
    <message>
        <source>A packet or ACK removed by a click leaves this mark for a moment (with state marks on). </source>
        <translation>被单击移除的分组或 ACK 会短暂留下这个标记（开启状态标记时）。 </translation>
    </message>
    <message>
        <source>packet %1, sequence number %2, held</source>
        <translation>分组 %1，序号 %2，已扣住</translation>
    </message>
    <message>
        <source>packet %1, sequence number %2, travelling</source>
        <translation>分组 %1，序号 %2，传输中</translation>
    </message>
    <message>
        <source>ACK for sequence number %1 (packet %2), sent when packet %3 arrived, held</source>
        <translation>序号 %1 的 ACK（分组 %2），在分组 %3 到达时发出，已扣住</translation>
    </message>
    <message>
        <source>ACK for sequence number %1 (packet %2), sent when packet %3 arrived, travelling</source>
        <translation>序号 %1 的 ACK（分组 %2），在分组 %3 到达时发出，传输中</translation>
    </message>
    <message>
        <source>ACK, held</source>
        <translation>ACK，已扣住</translation>
    </message>
    <message>
        <source>ACK, travelling</source>
        <translation>ACK，传输中</translation>
    </message>
    <message>
        <source>packet, held</source>
        <translation>分组，已扣住</translation>
    </message>
    <message>
        <source>packet, travelling</source>
        <translation>分组，传输中</translation>
    </message>
</context>
<context>
    <name>lesson auto-rtt-timeout</name>
    <message>
        <source>A timeout with Auto RTT backing the timer off</source>
        <translation>Auto RTT 延长定时器的一次超时</translation>
    </message>
    <message>
        <source>Auto RTT is on and the timeout starts at 4, shorter than a round trip of 146 ticks. Packet 1 is lost at tick 15. At tick 93 packet 0&apos;s timer runs out before its ACK could return (timeout marker) and Auto RTT doubles the timeout setting to 8; packet 1 times out at tick 147 and the setting doubles again, to 16. As ACKs come back in time, Auto RTT brings the setting down step by step: 8 at tick 293, 7 at tick 304, 6 at tick 439.</source>
        <translation>Auto RTT 已打开，超时从 4 开始，短于 146 个节拍的往返时间。分组 1 在节拍 15 丢失。在节拍 93，分组 0 的定时器在其 ACK 来得及返回之前就到期了（超时标记），Auto RTT 把超时设置加倍到 8；分组 1 在节拍 147 超时，设置再次加倍到 16。随着 ACK 按时返回，Auto RTT 逐步降低设置：节拍 293 时为 8，节拍 304 时为 7，节拍 439 时为 6。</translation>
    </message>
    <message>
        <source>The timeout setting of 4 is shorter than a round trip. Which packets will be sent again when the first timer runs out?</source>
        <translation>超时设置 4 短于一次往返。第一个定时器到期时，哪些分组会被重传？</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>分组 1</translation>
    </message>
    <message>
        <source>packet 0</source>
        <translation>分组 0</translation>
    </message>
    <message>
        <source>packets 0 to 3</source>
        <translation>分组 0 至 3</translation>
    </message>
    <message>
        <source>Packet 0 was not lost: its ACK simply had no time to come back. Its timer runs out first and it is sent again needlessly, and Auto RTT doubles the timeout setting so that it does not happen again.</source>
        <translation>分组 0 并没有丢失：它的 ACK 只是来不及返回。它的定时器最先到期，于是被不必要地重传，Auto RTT 把超时设置加倍，以免再次发生。</translation>
    </message>
</context>
<context>
    <name>lesson fast-retransmit</name>
    <message>
        <source>Fast retransmit after three duplicate ACKs</source>
        <translation>三个重复 ACK 之后的快速重传</translation>
    </message>
    <message>
        <source>Slow Start and Fast Retransmit are on, with the timeout at 12 as the option suggests. Packet 4 is lost at tick 230. The packets behind it each bring back a duplicate ACK asking for packet 4. The third duplicate arrives at tick 450: the sender resends packet 4 at once, without waiting for its timer (fast-retransmit marker), sets the threshold to half the 6 packets in flight, 3, and keeps sending. The first ACK that is not a duplicate ends fast recovery at tick 596.</source>
        <translation>慢启动和快速重传已打开，超时按该选项的建议设为 12。分组 4 在节拍 230 丢失。它后面的分组各带回一个请求分组 4 的重复 ACK。第三个重复 ACK 在节拍 450 到达：发送方不等定时器，立即重传分组 4（快速重传标记），把阈值设为在途 6 个分组的一半，即 3，并继续发送。第一个非重复 ACK 在节拍 596 结束快速恢复。</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet 4 is on its way. Which packets will be sent again?</source>
        <translation>请求分组 4 的第三个重复 ACK 正在路上。哪些分组会被重传？</translation>
    </message>
    <message>
        <source>packet 4</source>
        <translation>分组 4</translation>
    </message>
    <message>
        <source>packets 4 to 9</source>
        <translation>分组 4 至 9</translation>
    </message>
    <message>
        <source>packet 5</source>
        <translation>分组 5</translation>
    </message>
    <message>
        <source>Three duplicate ACKs tell the sender that one packet is missing and the ones behind it arrived: it resends only that packet at once, without waiting for its timer.</source>
        <translation>三个重复 ACK 告诉发送方有一个分组缺失，而其后的分组已经到达：它立即只重传那一个分组，不等其定时器。</translation>
    </message>
    <message>
        <source>The first ACK after the fast retransmit is on its way. What will SSThresh be?</source>
        <translation>快速重传之后的第一个 ACK 正在路上。SSThresh 将是多少？</translation>
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
        <translation>快速重传把阈值设为在途分组数的一半，但会继续发送，而不是从一个分组重新开始。</translation>
    </message>
</context>
<context>
    <name>lesson go-back-n</name>
    <message>
        <source>Go-back-N (textbook) recovering one lost packet</source>
        <translation>回退 N 帧（教科书）恢复一个丢失的分组</translation>
    </message>
    <message>
        <source>Go-back-N as the textbooks teach it: on a timeout the sender goes back and sends every unacknowledged packet again, and the receiver keeps only in-order packets. Packet 1 is lost at tick 15 (double click). Packets 2, 3 and 4 arrive after the gap and are thrown away (ticks 96, 107 and 220), so every ACK keeps asking for packet 1. At tick 174 packet 1&apos;s timer runs out (timeout marker): the sender goes back and queues packets 1, 2, 3 and 4 again (&quot;Going back: retransmitting packet&quot;, ticks 174 to 176). They arrive in order, by tick 280 the receiver asks for packet 5, and nothing is dropped after that. One loss costs one window of retransmissions, once.</source>
        <translation>教科书所讲的回退 N 帧：超时时发送方回退并重发每个未确认的分组，接收方只接受按序到达的分组。分组 1 在节拍 15 丢失（双击）。分组 2、3 和 4 在空缺之后到达并被丢弃（节拍 96、107 和 220），所以每个 ACK 都仍在请求分组 1。在节拍 174，分组 1 的定时器到期（超时标记）：发送方回退，把分组 1、2、3 和 4 重新排队（“Going back: retransmitting packet”，节拍 174 至 176）。它们按序到达，到节拍 280 接收方请求分组 5，之后不再有丢弃。一次丢失的代价是一整个窗口的重传，仅一次。</translation>
    </message>
    <message>
        <source>Packet 1 was lost. A packet after the gap arrives at the in-order receiver. Which packet will the receiver ask for next?</source>
        <translation>分组 1 已丢失。空缺之后的一个分组到达按序接收方。接收方接下来会请求哪个分组？</translation>
    </message>
    <message>
        <source>packet 3</source>
        <translation>分组 3</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>分组 1</translation>
    </message>
    <message>
        <source>packet 4</source>
        <translation>分组 4</translation>
    </message>
    <message>
        <source>The in-order receiver throws away a packet it did not expect and asks again for the one it is waiting for: every ACK names the next packet wanted, here still packet 1.</source>
        <translation>按序接收方丢弃不是它所期望的分组，并再次请求它正在等待的分组：每个 ACK 都指明下一个想要的分组，这里仍是分组 1。</translation>
    </message>
</context>
<context>
    <name>lesson go-back-n-original-receiver</name>
    <message>
        <source>Go-back-N sender with a receiver that keeps out-of-order packets</source>
        <translation>回退 N 帧发送方配合保留乱序分组的接收方</translation>
    </message>
    <message>
        <source>The same loss as the go-back-N lesson, but with the original sender and receiver: the sender resends only the packet whose timer ran out, and the receiver keeps packets that arrive after a gap. Packet 1 is lost at tick 15; packets 2, 3 and 4 are kept. At tick 174 packet 1 times out and is sent again, and when it arrives (tick 247) one cumulative ACK asks for packet 5: everything up to 4 is acknowledged at once. Only the lost packet was sent twice, so this sender behaves almost like selective repeat; the difference is that it needed a timeout to learn of the loss.</source>
        <translation>与回退 N 帧课程相同的丢失，但使用原始的发送方和接收方：发送方只重传定时器到期的那个分组，接收方保留空缺之后到达的分组。分组 1 在节拍 15 丢失；分组 2、3 和 4 被保留。在节拍 174 分组 1 超时并被重传，它到达时（节拍 247）一个累积 ACK 请求分组 5：直到 4 的所有分组一次性被确认。只有丢失的那个分组被发送了两次，所以这个发送方的表现几乎和选择重传一样；区别在于它需要一次超时才能得知丢失。</translation>
    </message>
    <message>
        <source>Packet 1&apos;s timer is about to run out. Which packets will be sent again?</source>
        <translation>分组 1 的定时器即将到期。哪些分组会被重传？</translation>
    </message>
    <message>
        <source>packets 1 to 4</source>
        <translation>分组 1 至 4</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>分组 1</translation>
    </message>
    <message>
        <source>packet 2</source>
        <translation>分组 2</translation>
    </message>
    <message>
        <source>The original sender resends only the packet whose timer ran out. The receiver kept packets 2 to 4, so when packet 1 arrives one cumulative ACK covers them all.</source>
        <translation>原始发送方只重传定时器到期的那个分组。接收方保留了分组 2 至 4，所以分组 1 到达时，一个累积 ACK 就覆盖了全部。</translation>
    </message>
</context>
<context>
    <name>lesson lost-ack</name>
    <message>
        <source>A lost ACK covered by the next cumulative ACK</source>
        <translation>丢失的 ACK 被下一个累积 ACK 覆盖</translation>
    </message>
    <message>
        <source>At tick 80 the ACK asking for packet 1 is lost (double click on it; ACK-lost marker). Nothing needs resending: the next ACK, asking for packet 2, arrives a few ticks later and acknowledges packets 0 and 1 together, because every ACK names the next packet the receiver wants. No timeout happens in the whole run.</source>
        <translation>在节拍 80，请求分组 1 的 ACK 丢失（双击它；ACK 丢失标记）。无需重传任何东西：下一个请求分组 2 的 ACK 几个节拍后到达，一并确认分组 0 和 1，因为每个 ACK 都指明接收方想要的下一个分组。整个运行中没有发生任何超时。</translation>
    </message>
    <message>
        <source>The ACK asking for packet 1 was lost. What will the sender do about packet 0?</source>
        <translation>请求分组 1 的 ACK 丢失了。发送方会怎样处理分组 0？</translation>
    </message>
    <message>
        <source>Resend packet 0 when its timer runs out</source>
        <translation>在其定时器到期时重传分组 0</translation>
    </message>
    <message>
        <source>Nothing: the next ACK acknowledges it too</source>
        <translation>什么也不做：下一个 ACK 也会确认它</translation>
    </message>
    <message>
        <source>Resend packets 0 and 1 at once</source>
        <translation>立即重传分组 0 和 1</translation>
    </message>
    <message>
        <source>Every ACK names the next packet the receiver wants, so the ACK asking for packet 2 acknowledges packets 0 and 1 together: a lost ACK costs nothing when another follows in time.</source>
        <translation>每个 ACK 都指明接收方想要的下一个分组，所以请求分组 2 的 ACK 一并确认分组 0 和 1：只要另一个 ACK 及时到来，丢失一个 ACK 毫无代价。</translation>
    </message>
</context>
<context>
    <name>lesson one-at-a-time</name>
    <message>
        <source>One packet at a time against a window of eight</source>
        <translation>一次一个分组，对比八个分组的窗口</translation>
    </message>
    <message>
        <source>The transmit window starts at one packet: the sender puts packet 0 on the wire and waits 146 ticks for its ACK before packet 1 may leave, so the line stands idle most of the time. At tick 350 the Tx Window Size slider moves to 8 and the sender fills the pipe: eight packets travel at once, and as many ACKs come back as fast as they can. Compare how far the sender strip has got at tick 350 and at tick 700.</source>
        <translation>发送窗口从一个分组开始：发送方把分组 0 送上线路，等待 146 个节拍收到它的 ACK 后分组 1 才能发出，所以线路大部分时间空闲。在节拍 350，发送窗口大小滑块移到 8，发送方填满管道：八个分组同时在途，同样多的 ACK 以最快速度返回。比较发送方条带在节拍 350 和节拍 700 时分别走了多远。</translation>
    </message>
    <message>
        <source>The Tx Window Size slider moves from 1 to 8 at tick 350. How many packets will travel at once soon after?</source>
        <translation>发送窗口大小滑块在节拍 350 从 1 移到 8。不久之后会有多少个分组同时在途？</translation>
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
        <translation>发送窗口是可以已发送但尚未确认的分组数。为 8 时，发送方无需等待就把八个分组送上线路，线路因此忙碌而不是空闲。</translation>
    </message>
</context>
<context>
    <name>lesson same-losses</name>
    <message>
        <source>Same losses, three protocols</source>
        <translation>相同的丢失，三种协议</translation>
    </message>
    <message>
        <source>Three protocols run side by side from one clock, and the network loses 5 % of the packets in each, drawn from seed 7: whether a packet is lost depends only on its number and which transmission of it this is, so the same packets are lost under all three. Packets 9, 15 and 18 are lost under every protocol; go-back-N and selective repeat lose 9 at tick 195 and 15 at tick 261, stop-and-wait only reaches packet 9 at tick 1352. Stop-and-wait has one packet in flight, so every packet costs a whole round trip and a loss a whole timeout. Go-back-N sends eight at a time, but after a timeout it sends the whole window again and its in-order receiver drops what arrived after the gap; those resends are drawn again, so some of them are lost too (packet 16&apos;s second transmission, at tick 434). Selective repeat resends only the packet that was lost and keeps the rest. Watch the timeout markers and the resend colours in each window, and the figures table.

At tick 3000 (goodput: packets delivered in order per 100 ticks): Stop-and-wait: 18 delivered, 2 retransmissions, goodput 0.6. Go-back-N (textbook): 92 delivered, 80 retransmissions, goodput 3.1. Selective repeat: 115 delivered, 8 retransmissions, goodput 3.8.</source>
        <translation>三种协议用同一个时钟并排运行，网络在每种协议中都丢失 5% 的分组，由种子 7 抽取：一个分组是否丢失只取决于它的编号以及这是它的第几次传输，所以三者丢失的是相同的分组。分组 9、15 和 18 在每种协议下都会丢失；回退 N 帧和选择重传在节拍 195 丢失 9、在节拍 261 丢失 15，停止等待要到节拍 1352 才到达分组 9。停止等待只有一个分组在途，所以每个分组都要花一整个往返时间，一次丢失要花一整个超时。回退 N 帧一次发送八个，但超时后会重发整个窗口，它的按序接收方会丢弃空缺之后到达的分组；这些重发会被重新抽取，所以其中一些也会丢失（分组 16 的第二次传输，在节拍 434）。选择重传只重发丢失的分组并保留其余的。请观察每个窗口中的超时标记和重传颜色，以及数据表。

在节拍 3000（有效吞吐量：每 100 个节拍按序交付的分组数）：停止等待：交付 18，重传 2，有效吞吐量 0.6。回退 N 帧（教科书）：交付 92，重传 80，有效吞吐量 3.1。选择重传：交付 115，重传 8，有效吞吐量 3.8。</translation>
    </message>
    <message>
        <source>Stop-and-wait</source>
        <translation>停止等待</translation>
    </message>
    <message>
        <source>Packet 9 was lost at tick 1352 and its timer runs out now. What does the stop-and-wait sender send again?</source>
        <translation>分组 9 在节拍 1352 丢失，它的定时器现在到期。停止等待发送方会重发什么？</translation>
    </message>
    <message>
        <source>packet 9</source>
        <translation>分组 9</translation>
    </message>
    <message>
        <source>packets 9 to 16</source>
        <translation>分组 9 至 16</translation>
    </message>
    <message>
        <source>packet 10</source>
        <translation>分组 10</translation>
    </message>
    <message>
        <source>Stop-and-wait never has more than one packet in flight, so a timeout costs it one resend, but a whole timeout&apos;s wait. Go-back-N lost the same packet 9 at tick 195 and sent packets 9 to 16 again from tick 320.</source>
        <translation>停止等待在途分组从不超过一个，所以一次超时只让它重发一次，但要等上一整个超时。回退 N 帧在节拍 195 丢失了同一个分组 9，并从节拍 320 起重发了分组 9 至 16。</translation>
    </message>
    <message>
        <source>Go-back-N (textbook)</source>
        <translation>回退 N 帧（教科书）</translation>
    </message>
    <message>
        <source>Selective repeat</source>
        <translation>选择重传</translation>
    </message>
</context>
<context>
    <name>lesson selective-repeat</name>
    <message>
        <source>The same loss under selective repeat</source>
        <translation>选择重传下的同一次丢失</translation>
    </message>
    <message>
        <source>Selective Repeat is on. Packet 1 is lost at tick 15. The sender keeps sending while the receiver holds packets 2 and up. At tick 169 the sender enters the Selective state, and at tick 180 packet 1&apos;s timer runs out and only packet 1 is sent again (timeout marker). When its ACK returns the window opens fully again (back to Normal at tick 326).</source>
        <translation>选择重传已打开。分组 1 在节拍 15 丢失。发送方继续发送，接收方保留分组 2 及以后的分组。在节拍 169 发送方进入 Selective 状态，在节拍 180 分组 1 的定时器到期，只有分组 1 被重传（超时标记）。它的 ACK 返回后窗口再次完全打开（在节拍 326 回到 Normal）。</translation>
    </message>
    <message>
        <source>The resent packet 1 reaches the receiver, which holds packets 2 and up. Which packet will the receiver ask for next?</source>
        <translation>重传的分组 1 到达接收方，接收方持有分组 2 及以后的分组。接收方接下来会请求哪个分组？</translation>
    </message>
    <message>
        <source>packet 2</source>
        <translation>分组 2</translation>
    </message>
    <message>
        <source>packet 6</source>
        <translation>分组 6</translation>
    </message>
    <message>
        <source>packet 7</source>
        <translation>分组 7</translation>
    </message>
    <message>
        <source>The arrival fills the gap: the receiver takes in packet 1 and everything it held after it, and its ACK asks for the first packet it has not got.</source>
        <translation>这次到达填补了空缺：接收方接收分组 1 以及它之后持有的所有分组，它的 ACK 请求它还没有的第一个分组。</translation>
    </message>
</context>
<context>
    <name>lesson slow-start</name>
    <message>
        <source>Slow start up to the threshold, then avoidance</source>
        <translation>慢启动到阈值，然后拥塞避免</translation>
    </message>
    <message>
        <source>Slow Start and Avoidance are on, the receive window is 16. The window starts at 2 and grows by one packet for every ACK: 4 at tick 158, 8 at tick 326. Packet 6 is lost at tick 330; its timeout at tick 455, with 8 packets in flight, sets the threshold to half of them, 4, and drops the window to 1. Slow start brings it back up to the threshold (4 at tick 904); from there congestion avoidance adds only a fraction of a packet per ACK (4.25 at tick 1039): watch the slope change on the chart. The textbooks&apos; rule grows the window by about one packet per round trip; here the window figure snaps up to the next whole packet as soon as it rounds to it, as in the original program (5 at tick 1061, 8 at tick 1375), which makes about 1.4 packets per round trip of 146 ticks.</source>
        <translation>慢启动和拥塞避免已打开，接收窗口为 16。窗口从 2 开始，每收到一个 ACK 增加一个分组：节拍 158 时为 4，节拍 326 时为 8。分组 6 在节拍 330 丢失；它在节拍 455 的超时（在途 8 个分组）把阈值设为它们的一半，即 4，并把窗口降到 1。慢启动把它重新带回阈值（节拍 904 时为 4）；此后拥塞避免每个 ACK 只增加一个分组的一小部分（节拍 1039 时为 4.25）：请观察图表上斜率的变化。教科书的规则让窗口每个往返大约增加一个分组；而这里窗口数值一旦四舍五入到下一个整数分组就跳到该值，与原程序相同（节拍 1061 时为 5，节拍 1375 时为 8），即在 146 个节拍的往返中大约增加 1.4 个分组。</translation>
    </message>
    <message>
        <source>In slow start the window grows by one packet for every ACK. The next ACK arrives soon. What will the Tx Window Size be?</source>
        <translation>在慢启动中，每个 ACK 让窗口增加一个分组。下一个 ACK 很快到达。发送窗口大小将是多少？</translation>
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
        <translation>当窗口低于 SSThresh 时，慢启动每收到一个 ACK 就给窗口加一个分组，所以窗口每个往返翻一番。</translation>
    </message>
    <message>
        <source>Packet 6 was lost, and its timer is about to run out with 8 packets in flight. What will SSThresh be?</source>
        <translation>分组 6 已丢失，它的定时器即将到期，此时有 8 个分组在途。SSThresh 将是多少？</translation>
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
        <translation>超时时 SSThresh 变为在途分组数的一半，窗口降到一个分组：随后慢启动再爬升回阈值。</translation>
    </message>
</context>
<context>
    <name>lesson small-sequence-space</name>
    <message>
        <source>A sequence space too small for the window</source>
        <translation>对窗口而言太小的序号空间</translation>
    </message>
    <message>
        <source>The highest sequence number is 3, so there are only four sequence numbers, but the windows are six packets. Packets 0 and 4 both carry sequence number 0, packets 1 and 5 both carry 1. Packet 1 is lost at tick 15; the ACKs that come back cannot say which packet they mean. Packet 1 times out at tick 174 and is resent, and at tick 320 the sender resends packet 3, which the receiver already had: it has read an ACK for the wrong packet. The sequence space must be at least twice the window to avoid this.</source>
        <translation>最大序号为 3，所以只有四个序号，但窗口是六个分组。分组 0 和 4 都带序号 0，分组 1 和 5 都带序号 1。分组 1 在节拍 15 丢失；返回的 ACK 无法说明它们指的是哪个分组。分组 1 在节拍 174 超时并被重传，在节拍 320 发送方重传了接收方早已收到的分组 3：它把一个 ACK 对应到了错误的分组上。要避免这种情况，序号空间至少要是窗口的两倍。</translation>
    </message>
    <message>
        <source>Packet 1 was lost and its timer is about to run out. Which packets will be sent again?</source>
        <translation>分组 1 已丢失，它的定时器即将到期。哪些分组会被重传？</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>分组 1</translation>
    </message>
    <message>
        <source>packet 5</source>
        <translation>分组 5</translation>
    </message>
    <message>
        <source>packets 1 to 6</source>
        <translation>分组 1 至 6</translation>
    </message>
    <message>
        <source>The timer belongs to packet 1, so packet 1 is resent. But packet 5 carries the same sequence number, 1: with only four numbers for a window of six, the ACKs cannot tell them apart.</source>
        <translation>定时器属于分组 1，所以分组 1 被重传。但分组 5 带有相同的序号 1：窗口为六而只有四个序号，ACK 无法区分它们。</translation>
    </message>
</context>
<context>
    <name>lesson tahoe-vs-reno</name>
    <message>
        <source>Tahoe against Reno: one loss, two answers to three duplicate ACKs</source>
        <translation>Tahoe 对 Reno：一次丢失，对三个重复 ACK 的两种应对</translation>
    </message>
    <message>
        <source>Tahoe-like and Reno-like TCP side by side from one clock, with the same settings but for Tahoe&apos;s rule, and the same planned loss (p10): packet 10 is lost at tick 374 in both, while the window is 8 and still growing. The packets behind it keep arriving, each bringing back a duplicate ACK asking for packet 10, and the third one arrives at tick 516 in both (fast-retransmit marker), with the window at 12 and 11 packets in flight. Both resend packet 10 at once and set SSThresh to half the flight size, 5.5. Here they part.

Tahoe starts again from a window of 1, in slow start, and further duplicates change nothing. The ACK for the resend reaches it at tick 662 and asks for packet 21: the receiver had kept every packet behind the lost one, so the go-back-N sender has nothing more to send again. Its window climbs from there: 2 at tick 662, 4 at tick 819, 6 at tick 965.

Reno halves the window and adds three for the packets that left the network (9 at tick 516), inflates it by one for each further duplicate (16 at tick 651) and keeps sending; the first new ACK ends fast recovery at tick 673 with the window back at the threshold, kept as 5 whole packets. Both run with the timeout of 12 that Fast Retransmit sets, and neither times out: the difference is the fast retransmit alone.

At tick 1500 (goodput: packets delivered in order per 100 ticks): Tahoe-like TCP: 54 delivered, 1 retransmission, goodput 3.6. Reno-like TCP: 71 delivered, 1 retransmission, goodput 4.7.</source>
        <translation>类 Tahoe 和类 Reno 的 TCP 用同一个时钟并排运行，除 Tahoe 规则外设置相同，计划的丢失也相同（p10）：两者中分组 10 都在节拍 374 丢失，此时窗口为 8 且仍在增长。它后面的分组继续到达，各带回一个请求分组 10 的重复 ACK，第三个在节拍 516 到达两者（快速重传标记），此时窗口为 12，在途 11 个分组。两者都立即重传分组 10，并把 SSThresh 设为在途分组数的一半，即 5.5。从这里开始两者分道扬镳。

Tahoe 在慢启动中从窗口 1 重新开始，之后的重复 ACK 不再改变什么。重传的 ACK 在节拍 662 到达，请求分组 21：接收方保留了丢失分组之后的每一个分组，所以回退 N 帧发送方没有别的要重发。它的窗口从那里开始爬升：节拍 662 时为 2，节拍 819 时为 4，节拍 965 时为 6。

Reno 把窗口减半，再为离开网络的分组加三（节拍 516 时为 9），每来一个重复 ACK 就把窗口膨胀一个（节拍 651 时为 16）并继续发送；第一个新 ACK 在节拍 673 结束快速恢复，窗口回到阈值，取整为 5 个整分组。两者都使用快速重传设定的超时 12，都没有超时：差别完全来自快速重传。

在节拍 1500（有效吞吐量：每 100 个节拍按序交付的分组数）：类 Tahoe TCP：交付 54，重传 1，有效吞吐量 3.6。类 Reno TCP：交付 71，重传 1，有效吞吐量 4.7。</translation>
    </message>
    <message>
        <source>Tahoe-like TCP</source>
        <translation>类 Tahoe TCP</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet 10 is on its way to the Tahoe-like sender, whose window is 12. What will its Tx Window Size be?</source>
        <translation>请求分组 10 的第三个重复 ACK 正在发往窗口为 12 的类 Tahoe 发送方。它的发送窗口大小将是多少？</translation>
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
        <translation>Tahoe 规则重传缺失的分组，并从一个分组的窗口重新开始慢启动。旁边的 Reno 把窗口减半再加三，即 9，不停顿地恢复。</translation>
    </message>
    <message>
        <source>Reno-like TCP</source>
        <translation>类 Reno TCP</translation>
    </message>
</context>
<context>
    <name>lessons</name>
    <message>
        <source>There is no lesson called &quot;%1&quot;.</source>
        <translation>没有名为“%1”的课程。</translation>
    </message>
</context>
<context>
    <name>links</name>
    <message>
        <source>Ignored %1=%2 in the link (%3); kept the start-up setting.</source>
        <translation>已忽略链接中的 %1=%2（%3）；保留启动时的设置。</translation>
    </message>
    <message>
        <source>Ignored the unknown parameter &quot;%1&quot; in the link.</source>
        <translation>已忽略链接中的未知参数“%1”。</translation>
    </message>
    <message>
        <source>Ignored %1=%2 in the link: the lesson brings its own settings.</source>
        <translation>已忽略链接中的 %1=%2：课程自带设置。</translation>
    </message>
    <message>
        <source>Ignored lesson=%1 in the link. %2 The lessons are %3.</source>
        <translation>已忽略链接中的 lesson=%1。%2 课程有：%3。</translation>
    </message>
    <message>
        <source>the protocols are %1</source>
        <translation>协议有：%1</translation>
    </message>
    <message>
        <source>not every option can be set that way</source>
        <translation>并非每个选项都能这样设置</translation>
    </message>
    <message>
        <source>options are slowstart, avoidance, fastretransmit, selective, delayedack</source>
        <translation>选项有 slowstart、avoidance、fastretransmit、selective、delayedack</translation>
    </message>
    <message>
        <source>use 1 or 0</source>
        <translation>请用 1 或 0</translation>
    </message>
    <message>
        <source>the box cannot be changed now</source>
        <translation>此复选框现在不能更改</translation>
    </message>
    <message>
        <source>use a whole number from %1 to %2</source>
        <translation>请用 %1 到 %2 之间的整数</translation>
    </message>
    <message>
        <source>the languages are %1</source>
        <translation>语言有：%1</translation>
    </message>
    <message>
        <source>use 0.25, 0.5, 1, 2 or 4</source>
        <translation>请用 0.25、0.5、1、2 或 4</translation>
    </message>
    <message>
        <source>And %1 more parameter of the link ignored.</source>
        <translation>另有 %1 个链接参数被忽略。</translation>
    </message>
    <message>
        <source>And %1 more parameters of the link ignored.</source>
        <translation>另有 %1 个链接参数被忽略。</translation>
    </message>
    <message>
        <source>This run makes a link of %1 characters, too long for a browser&apos;s address bar (%2 at most): save it as a run file and share the file instead.</source>
        <translation>本次运行生成的链接有 %1 个字符，对浏览器地址栏来说太长（最多 %2）：请把它保存为运行文件，改为分享该文件。</translation>
    </message>
    <message>
        <source>The link to this run has %1 characters, more than a QR code holds (%2): share the link itself or the run file instead.</source>
        <translation>本次运行的链接有 %1 个字符，超过二维码的容量（%2）：请直接分享链接本身或运行文件。</translation>
    </message>
    <message>
        <source>The run in this link cannot be opened. The link is damaged: part of it may have been cut off when it was copied. Copy the whole link again.</source>
        <translation>无法打开此链接中的运行。链接已损坏：复制时可能被截掉了一部分。请重新复制完整的链接。</translation>
    </message>
    <message>
        <source>The run in this link cannot be opened. %1</source>
        <translation>无法打开此链接中的运行。%1</translation>
    </message>
    <message>
        <source>the code on the projector gives the whole link</source>
        <translation>投影上的二维码给出完整链接</translation>
    </message>
</context>
<context>
    <name>log</name>
    <message>
        <source>packet %1 dropped: out of order</source>
        <translation>分组 %1 被丢弃：乱序</translation>
    </message>
    <message>
        <source>%1: the clock is paused; Cont goes on as a live run</source>
        <translation>%1：时钟已暂停；Cont 以实时运行继续</translation>
    </message>
    <message>
        <source>Your own action at tick %1: the recorded run from here on is dropped and this run goes on as a new branch</source>
        <translation>你在节拍 %1 的操作：从这里起记录的运行被丢弃，本次运行作为新分支继续</translation>
    </message>
    <message>
        <source>Opened the run file (%1 ticks): it plays as recorded while the clock runs; an action of your own branches it</source>
        <translation>已打开运行文件（%1 个节拍）：时钟走动时按记录回放；你自己的操作会使其分支</translation>
    </message>
    <message>
        <source>Opened &quot;%2&quot; (%1 ticks): it plays as recorded while the clock runs; an action of your own branches it</source>
        <translation>已打开“%2”（%1 个节拍）：时钟走动时按记录回放；你自己的操作会使其分支</translation>
    </message>
    <message>
        <source>Run %1 dropped from the record to stay within the memory budget (%2)</source>
        <translation>为不超出内存预算，已从记录中移除运行 %1（%2）</translation>
    </message>
    <message>
        <source>Ticks %1 to %2 of this run dropped to stay within the memory budget (%3): rewinds now reach back to tick %4</source>
        <translation>为不超出内存预算（%3），已丢弃本次运行的节拍 %1 至 %2：现在最多只能回退到节拍 %4</translation>
    </message>
    <message>
        <source>packet %1 lost</source>
        <translation>分组 %1 丢失</translation>
    </message>
    <message>
        <source>ACK asking for sequence number %1 lost</source>
        <translation>请求序号 %1 的 ACK 丢失</translation>
    </message>
    <message>
        <source>packet %1 held</source>
        <translation>分组 %1 被扣住</translation>
    </message>
    <message>
        <source>ACK asking for sequence number %1 held</source>
        <translation>请求序号 %1 的 ACK 被扣住</translation>
    </message>
    <message>
        <source>packet %1 released</source>
        <translation>分组 %1 被放开</translation>
    </message>
    <message>
        <source>ACK asking for sequence number %1 released</source>
        <translation>请求序号 %1 的 ACK 被放开</translation>
    </message>
    <message>
        <source>timeout set to %1</source>
        <translation>超时设为 %1</translation>
    </message>
    <message>
        <source>transmit window set to %1</source>
        <translation>发送窗口设为 %1</translation>
    </message>
    <message>
        <source>receive window set to %1</source>
        <translation>接收窗口设为 %1</translation>
    </message>
    <message>
        <source>highest sequence number set to %1</source>
        <translation>最大序号设为 %1</translation>
    </message>
    <message>
        <source>%1 pressed</source>
        <translation>按下 %1</translation>
    </message>
    <message>
        <source>%1 on</source>
        <translation>%1 开</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1 关</translation>
    </message>
</context>
<context>
    <name>losses</name>
    <message>
        <source>A plan holds at most %1 losses.</source>
        <translation>一个计划最多包含 %1 次丢失。</translation>
    </message>
    <message>
        <source>The planned loss &quot;%1&quot; is not p or a with a packet number, such as p5, p7.2 or a9.</source>
        <translation>计划的丢失“%1”不是 p 或 a 加分组编号的形式，例如 p5、p7.2 或 a9。</translation>
    </message>
    <message>
        <source>packet %1</source>
        <translation>分组 %1</translation>
    </message>
    <message>
        <source>the ACK for packet %1</source>
        <translation>分组 %1 的 ACK</translation>
    </message>
    <message>
        <source>packet %1 (transmission %2)</source>
        <translation>分组 %1（第 %2 次传输）</translation>
    </message>
    <message>
        <source>the ACK for packet %1 (transmission %2)</source>
        <translation>分组 %1 的 ACK（第 %2 次传输）</translation>
    </message>
    <message>
        <source>No losses</source>
        <translation>无丢失</translation>
    </message>
    <message>
        <source>%1 % of packets, %2 % of ACKs</source>
        <translation>分组 %1%，ACK %2%</translation>
    </message>
    <message>
        <source>%1 % of packets</source>
        <translation>分组 %1%</translation>
    </message>
    <message>
        <source>%1 % of ACKs</source>
        <translation>ACK %1%</translation>
    </message>
    <message>
        <source>Losses: %1 planned</source>
        <translation>丢失：计划 %1 次</translation>
    </message>
    <message>
        <source>Losses: %1 (seed %2)</source>
        <translation>丢失：%1（种子 %2）</translation>
    </message>
    <message>
        <source>Losses: %1 (seed %2), %3 planned</source>
        <translation>丢失：%1（种子 %2），计划 %3 次</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 及另外 %2 个</translation>
    </message>
    <message>
        <source>Lost by click: %1</source>
        <translation>点击丢失：%1</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>Quill&apos;s Sliding Window Demo</source>
        <translation>Quill 滑动窗口演示</translation>
    </message>
    <message>
        <source>Quill&apos;s Sliding Window Demo needs JavaScript: please allow scripts for this page.</source>
        <translation>Quill 滑动窗口演示需要 JavaScript：请允许此页面运行脚本。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>The window&apos;s controls at finger size</source>
        <translation>手指大小的窗口控件</translation>
    </message>
    <message>
        <source>Run controls, chart and log</source>
        <translation>运行控制、图表和日志</translation>
    </message>
    <message>
        <source>Step back one tick (Ctrl+Left)</source>
        <translation>后退一个节拍（Ctrl+左）</translation>
    </message>
    <message>
        <source>◀ Step Back</source>
        <translation>◀ 后退</translation>
    </message>
    <message>
        <source>Step one tick; pauses a running clock first (Ctrl+Right)</source>
        <translation>前进一个节拍；先暂停正在走的时钟（Ctrl+右）</translation>
    </message>
    <message>
        <source>Step ▶</source>
        <translation>单步 ▶</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>协议</translation>
    </message>
    <message>
        <source>Protocol: custom</source>
        <translation>协议：自定义</translation>
    </message>
    <message>
        <source>View</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>Colour-blind safe colours</source>
        <translation>色盲友好配色</translation>
    </message>
    <message>
        <source>State marks</source>
        <translation>状态标记</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>图例</translation>
    </message>
    <message>
        <source>Open a saved run file; you can also drop one on the page</source>
        <translation>打开已保存的运行文件；也可以把文件拖到页面上</translation>
    </message>
    <message>
        <source>Open run…</source>
        <translation>打开运行…</translation>
    </message>
    <message>
        <source>Download this run as a run file</source>
        <translation>把本次运行下载为运行文件</translation>
    </message>
    <message>
        <source>Save run</source>
        <translation>保存运行</translation>
    </message>
    <message>
        <source>Download this run as a packet capture (.pcap) for Wireshark, seen at the sender</source>
        <translation>把本次运行下载为抓包文件（.pcap），供 Wireshark 使用，在发送方处抓取</translation>
    </message>
    <message>
        <source>Save capture</source>
        <translation>保存抓包</translation>
    </message>
    <message>
        <source>Open a built-in lesson</source>
        <translation>打开内置课程</translation>
    </message>
    <message>
        <source>Lessons…</source>
        <translation>课程…</translation>
    </message>
    <message>
        <source>Packets and ACKs the network loses: at random or planned</source>
        <translation>网络丢失的分组和 ACK：随机或计划</translation>
    </message>
    <message>
        <source>Network…</source>
        <translation>网络…</translation>
    </message>
    <message>
        <source>Run two or three protocols side by side with the same losses</source>
        <translation>用相同的丢失并排运行两种或三种协议</translation>
    </message>
    <message>
        <source>Compare…</source>
        <translation>比较…</translation>
    </message>
    <message>
        <source>Copy a link that opens the page with these settings</source>
        <translation>复制一个按这些设置打开页面的链接</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>复制链接</translation>
    </message>
    <message>
        <source>Link to these settings</source>
        <translation>这些设置的链接</translation>
    </message>
    <message>
        <source>Transmit window, threshold, flight size and receive window against the tick</source>
        <translation>发送窗口、阈值、在途分组数和接收窗口随节拍的变化</translation>
    </message>
    <message>
        <source>Rewind to Cursor</source>
        <translation>回退到光标</translation>
    </message>
    <message>
        <source>This run&apos;s figures</source>
        <translation>本次运行的数据</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>日志</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>发送方</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>接收方</translation>
    </message>
    <message>
        <source>User</source>
        <translation>用户</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>事件日志</translation>
    </message>
    <message>
        <source>Time-Sequence Diagram</source>
        <translation>时序图</translation>
    </message>
    <message>
        <source>From tick</source>
        <translation>从节拍</translation>
    </message>
    <message>
        <source>to</source>
        <translation>到</translation>
    </message>
    <message>
        <source>Download these ticks of the diagram as an SVG drawing</source>
        <translation>把图中这些节拍下载为 SVG 图形</translation>
    </message>
    <message>
        <source>Save diagram (SVG)</source>
        <translation>保存图示（SVG）</translation>
    </message>
    <message>
        <source>Time-sequence diagram of the run: sender left, receiver right, time downward</source>
        <translation>本次运行的时序图：发送方在左，接收方在右，时间向下</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>Back to the single window</source>
        <translation>返回单个窗口</translation>
    </message>
    <message>
        <source>◀ One window</source>
        <translation>◀ 单个窗口</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Step all of them back one tick (Ctrl+Left)</source>
        <translation>全部后退一个节拍（Ctrl+左）</translation>
    </message>
    <message>
        <source>Step all of them one tick (Ctrl+Right)</source>
        <translation>全部前进一个节拍（Ctrl+右）</translation>
    </message>
    <message>
        <source>Download the comparison as one run file</source>
        <translation>把比较下载为一个运行文件</translation>
    </message>
    <message>
        <source>Save comparison</source>
        <translation>保存比较</translation>
    </message>
    <message>
        <source>Copy a link that opens the page with this comparison</source>
        <translation>复制一个打开此比较的页面链接</translation>
    </message>
    <message>
        <source>Link to this comparison</source>
        <translation>此比较的链接</translation>
    </message>
    <message>
        <source>Each configuration&apos;s transmit window (thick) and goodput (thin) against the tick</source>
        <translation>各配置的发送窗口（粗线）和有效吞吐量（细线）随节拍的变化</translation>
    </message>
    <message>
        <source>Figures of each configuration</source>
        <translation>各配置的数据</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>A lost packet or ACK is taken off halfway across, as a double click on it would. The same seed loses the same packets under every protocol.</source>
        <translation>丢失的分组或 ACK 在半途被移除，就像双击它一样。相同的种子在每种协议下丢失相同的分组。</translation>
    </message>
    <message>
        <source>Packets lost</source>
        <translation>分组丢失</translation>
    </message>
    <message>
        <source>ACKs lost</source>
        <translation>ACK 丢失</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>种子</translation>
    </message>
    <message>
        <source>Planned losses</source>
        <translation>计划的丢失</translation>
    </message>
    <message>
        <source>What is lost</source>
        <translation>丢失什么</translation>
    </message>
    <message>
        <source>Packet</source>
        <translation>分组</translation>
    </message>
    <message>
        <source>The ACK for packet</source>
        <translation>分组的 ACK</translation>
    </message>
    <message>
        <source>Packet number</source>
        <translation>分组编号</translation>
    </message>
    <message>
        <source>transmission</source>
        <translation>第几次传输</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>Side by side from one clock, with the losses set under Network.</source>
        <translation>用同一个时钟并排运行，丢失按“网络”中的设置。</translation>
    </message>
    <message>
        <source>First</source>
        <translation>第一</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>第二</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>第三</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Tick %1</source>
        <translation>节拍 %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>练习</translation>
    </message>
    <message>
        <source>Practice: on</source>
        <translation>练习：开</translation>
    </message>
    <message>
        <source>Score: %1 of %2 right</source>
        <translation>得分：答对 %1 / %2</translation>
    </message>
    <message>
        <source>Summary copied</source>
        <translation>已复制总结</translation>
    </message>
    <message>
        <source>QR code</source>
        <translation>二维码</translation>
    </message>
    <message>
        <source>Scan to open this run (%1 characters).</source>
        <translation>扫码打开本次运行（%1 个字符）。</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>已复制链接</translation>
    </message>
    <message>
        <source>Copy the link beside</source>
        <translation>请复制旁边的链接</translation>
    </message>
    <message>
        <source>Rewind to a tick, or play on to a later one, and pause there (Ctrl+G)</source>
        <translation>倒回到某个节拍，或继续播放到较晚的节拍，并在那里暂停 (Ctrl+G)</translation>
    </message>
    <message>
        <source>Go to Tick…</source>
        <translation>转到节拍…</translation>
    </message>
    <message>
        <source>Download a view of this run as a picture for a slide, or its figures as CSV</source>
        <translation>将本次运行的一个视图下载为幻灯片用的图片，或将其数值下载为 CSV</translation>
    </message>
    <message>
        <source>Download picture…</source>
        <translation>下载图片…</translation>
    </message>
    <message>
        <source>Download the comparison&apos;s windows, diagrams, chart and table as one picture, or its figures as CSV</source>
        <translation>将比较的窗口、时序图、图表和表格下载为一张图片，或将其数值下载为 CSV</translation>
    </message>
    <message>
        <source>Download picture</source>
        <translation>下载图片</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>The window</source>
        <translation>窗口</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>图表</translation>
    </message>
    <message>
        <source>The time-sequence diagram</source>
        <translation>时序图</translation>
    </message>
    <message>
        <source>The table of figures</source>
        <translation>数值表</translation>
    </message>
    <message>
        <source>Show together</source>
        <translation>一并显示</translation>
    </message>
    <message>
        <source>The windows</source>
        <translation>各窗口</translation>
    </message>
    <message>
        <source>The time-sequence diagrams</source>
        <translation>各时序图</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>PNG 图像</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>SVG 矢量图</translation>
    </message>
    <message>
        <source>The figures as CSV</source>
        <translation>数值（CSV）</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>px</source>
        <translation>像素</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>Title line</source>
        <translation>标题行</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Tick at least one view to put in the picture.</source>
        <translation>请至少勾选一个要放入图片的视图。</translation>
    </message>
    <message>
        <source>The browser could not draw a picture this large: try a smaller width and height.</source>
        <translation>浏览器无法绘制这么大的图片：请尝试更小的宽度和高度。</translation>
    </message>
    <message>
        <source>Time-Sequence Diagrams</source>
        <translation>各时序图</translation>
    </message>
    <message>
        <source>Time-sequence diagram of %1: sender left, receiver right, time downward</source>
        <translation>%1 的时序图：发送方在左，接收方在右，时间向下</translation>
    </message>
</context>
<context>
    <name>practice</name>
    <message>
        <source>Question withdrawn: the run changed before the event it was about.</source>
        <translation>题目已撤回：运行在题目所问的事件之前发生了变化。</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right.</source>
        <translation>滑动窗口练习：%2 题中答对 %1 题。</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right, %3 skipped, %4 withdrawn.</source>
        <translation>滑动窗口练习：%2 题中答对 %1 题，跳过 %3 题，撤回 %4 题。</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right, %3 skipped.</source>
        <translation>滑动窗口练习：%2 题中答对 %1 题，跳过 %3 题。</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right, %4 withdrawn.</source>
        <translation>滑动窗口练习：%2 题中答对 %1 题，撤回 %4 题。</translation>
    </message>
    <message>
        <source>Withdrawn: the run was changed before the event.</source>
        <translation>已撤回：运行在事件发生之前被改变了。</translation>
    </message>
    <message>
        <source>Skipped.</source>
        <translation>已跳过。</translation>
    </message>
    <message>
        <source>The run gave: %1.</source>
        <translation>运行结果：%1。</translation>
    </message>
    <message>
        <source>Answer: %1.</source>
        <translation>回答：%1。</translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>正确。</translation>
    </message>
    <message>
        <source>Wrong: the run gave %1.</source>
        <translation>错误：运行结果是 %1。</translation>
    </message>
    <message>
        <source>packet %1</source>
        <translation>分组 %1</translation>
    </message>
    <message>
        <source>no packet</source>
        <translation>没有分组</translation>
    </message>
    <message>
        <source>packets %1 to %2</source>
        <translation>分组 %1 至 %2</translation>
    </message>
    <message>
        <source>packets %1 and %2</source>
        <translation>分组 %1 和 %2</translation>
    </message>
    <message>
        <source>sets SSThresh to half the flight size (%1 packet in flight), never below 2 packets</source>
        <translation>把 SSThresh 设为在途分组数的一半（在途 %1 个分组），但不低于 2 个分组</translation>
    </message>
    <message>
        <source>sets SSThresh to half the flight size (%1 packets in flight), never below 2 packets</source>
        <translation>把 SSThresh 设为在途分组数的一半（在途 %1 个分组），但不低于 2 个分组</translation>
    </message>
    <message>
        <source>sets SSThresh to the transmit window (%1 packet; with Avoidance on it would take half the flight size), never below 2 packets</source>
        <translation>把 SSThresh 设为发送窗口（%1 个分组；若打开拥塞避免则取在途分组数的一半），但不低于 2 个分组</translation>
    </message>
    <message>
        <source>sets SSThresh to the transmit window (%1 packets; with Avoidance on it would take half the flight size), never below 2 packets</source>
        <translation>把 SSThresh 设为发送窗口（%1 个分组；若打开拥塞避免则取在途分组数的一半），但不低于 2 个分组</translation>
    </message>
    <message>
        <source>The go-back-N sender then goes back: every later packet not yet acknowledged is queued again, oldest first, one a tick as the window allows, which slow start opens again from one packet; an ACK that covers packets the receiver kept spares them.</source>
        <translation>随后回退 N 帧发送方回退：每个之后尚未确认的分组都重新排队，最旧的在前，在窗口允许时每个节拍一个，而慢启动让窗口从一个分组重新打开；覆盖接收方已保留分组的 ACK 会免去它们的重发。</translation>
    </message>
    <message>
        <source>The go-back-N sender then goes back: every later packet not yet acknowledged is queued again, oldest first, one a tick while they fit in the window.</source>
        <translation>随后回退 N 帧发送方回退：每个之后尚未确认的分组都重新排队，最旧的在前，只要窗口容得下，每个节拍一个。</translation>
    </message>
    <message>
        <source>No new packet leaves until the round is over.</source>
        <translation>这一轮结束之前不会发出新分组。</translation>
    </message>
    <message>
        <source>No new packet leaves until the round is over: here only packet %1 is sent again, since the ACK for it covers the packets behind it, which the receiver kept.</source>
        <translation>这一轮结束之前不会发出新分组：这里只重传分组 %1，因为它的 ACK 覆盖了其后接收方已保留的分组。</translation>
    </message>
    <message>
        <source>No new packet leaves until the round is over: here it sends %1 again.</source>
        <translation>这一轮结束之前不会发出新分组：这里它重发 %1。</translation>
    </message>
    <message>
        <source>Retransmission timeout.</source>
        <translation>重传超时。</translation>
    </message>
    <message>
        <source>Packet %1&apos;s timer ran out before an ACK covered it, so the sender takes it for lost.</source>
        <translation>分组 %1 的定时器在被 ACK 覆盖之前到期，所以发送方认为它已丢失。</translation>
    </message>
    <message>
        <source>keeps the SSThresh that fast retransmit set (never below 2 packets)</source>
        <translation>保持快速重传所设定的 SSThresh（不低于 2 个分组）</translation>
    </message>
    <message>
        <source>It %1, enters the TimedOut state, drops the Tx Window to one packet (slow start begins again) and queues %2 again.</source>
        <translation>它%1，进入 TimedOut 状态，把发送窗口降为一个分组（慢启动重新开始），并把 %2 重新排队。</translation>
    </message>
    <message>
        <source>It %1, enters the TimedOut state and queues %2 again.</source>
        <translation>它%1，进入 TimedOut 状态，并把 %2 重新排队。</translation>
    </message>
    <message>
        <source>With Selective Repeat the other packets keep their timers: only what timed out is resent.</source>
        <translation>在选择重传下，其他分组保留各自的定时器：只重传超时的部分。</translation>
    </message>
    <message>
        <source>This sender, as the original program&apos;s, does not go back at once: the timers of the later packets stop, and each is sent again only when it has become the oldest unacknowledged packet, a round trip apiece.</source>
        <translation>这个发送方和原程序的一样，不会立即回退：后面分组的定时器停止，每个分组只有在成为最旧的未确认分组时才会被重传，每个分组要花一个往返时间。</translation>
    </message>
    <message>
        <source>A textbook go-back-N sender would resend them all now (the option &quot;Sender resends the whole window on a timeout&quot;).</source>
        <translation>教科书式的回退 N 帧发送方现在就会把它们全部重发（选项“Sender resends the whole window on a timeout”）。</translation>
    </message>
    <message>
        <source>Fast retransmit under Tahoe&apos;s rule.</source>
        <translation>按 Tahoe 规则的快速重传。</translation>
    </message>
    <message>
        <source>Fast retransmit.</source>
        <translation>快速重传。</translation>
    </message>
    <message>
        <source>Three duplicate ACKs in a row tell the sender that packet %1 is missing while later packets still arrive.</source>
        <translation>连续三个重复 ACK 告诉发送方：分组 %1 缺失，而后面的分组仍在到达。</translation>
    </message>
    <message>
        <source>Without waiting for its timer the sender resends packet %1 and sets SSThresh to half the flight size (%2 packet in flight, never below 2).</source>
        <translation>发送方不等其定时器，重传分组 %1，并把 SSThresh 设为在途分组数的一半（在途 %2 个分组，不低于 2）。</translation>
    </message>
    <message>
        <source>Without waiting for its timer the sender resends packet %1 and sets SSThresh to half the flight size (%2 packets in flight, never below 2).</source>
        <translation>发送方不等其定时器，重传分组 %1，并把 SSThresh 设为在途分组数的一半（在途 %2 个分组，不低于 2）。</translation>
    </message>
    <message>
        <source>As TCP Tahoe does, it drops the Tx Window to one packet and starts slow start again: there is no fast recovery, and further duplicate ACKs change nothing.</source>
        <translation>与 TCP Tahoe 一样，它把发送窗口降为一个分组并重新开始慢启动：没有快速恢复，之后的重复 ACK 不再改变什么。</translation>
    </message>
    <message>
        <source>It sets the Tx Window to half the window plus three packets, for the three that left the network (here %1, never above the receiver&apos;s window), and enters FastRetransmit; each further duplicate ACK inflates the window by one packet until a new ACK ends fast recovery.</source>
        <translation>它把发送窗口设为窗口的一半再加三个分组，对应已离开网络的三个（这里为 %1，不超过接收方的窗口），并进入 FastRetransmit；之后每个重复 ACK 把窗口膨胀一个分组，直到一个新 ACK 结束快速恢复。</translation>
    </message>
    <message>
        <source>The textbooks (RFC 5681) start from the new SSThresh plus three, %1 here too: this model halves the window, as the original program does, which differs whenever the window and the flight size do.</source>
        <translation>教科书（RFC 5681）从新的 SSThresh 加三开始，这里同样是 %1：本模型与原程序一样把窗口减半，只要窗口与在途分组数不同，结果就会不同。</translation>
    </message>
    <message>
        <source>The textbooks (RFC 5681) start from the new SSThresh plus three, %1 here: this model halves the window, as the original program does, which differs whenever the window and the flight size do.</source>
        <translation>教科书（RFC 5681）从新的 SSThresh 加三开始，这里是 %1：本模型与原程序一样把窗口减半，只要窗口与在途分组数不同，结果就会不同。</translation>
    </message>
    <message>
        <source>Fast recovery: every further duplicate ACK means another packet has left the network, so the Tx Window is inflated by one packet.</source>
        <translation>快速恢复：每多一个重复 ACK，就意味着又有一个分组离开了网络，所以发送窗口膨胀一个分组。</translation>
    </message>
    <message>
        <source>A new ACK ends fast recovery: the Tx Window drops back to SSThresh (%1 packets).</source>
        <translation>一个新 ACK 结束快速恢复：发送窗口回落到 SSThresh（%1 个分组）。</translation>
    </message>
    <message>
        <source>After a timeout every new ACK sets the Tx Window to the loss window of one packet, until the resent packet itself is acknowledged and slow start takes over.</source>
        <translation>超时之后，每个新 ACK 都把发送窗口设为一个分组的丢失窗口，直到被重传的分组本身得到确认，由慢启动接手。</translation>
    </message>
    <message>
        <source>Congestion avoidance: at or above SSThresh each new ACK adds one packet divided by the window in packets, which in the textbooks grows the window by about one packet per round trip.</source>
        <translation>拥塞避免：在 SSThresh 及以上时，每个新 ACK 增加“一个分组除以以分组计的窗口”，教科书中这使窗口每个往返大约增加一个分组。</translation>
    </message>
    <message>
        <source>This model, as the original program does, snaps the window to whole packets as soon as it rounds to the next one, which adds the rest of that packet at once: the window grows faster than one packet per round trip.</source>
        <translation>本模型与原程序一样，窗口一旦四舍五入到下一个整数分组就取整，一次性加上该分组的剩余部分：窗口的增长快于每个往返一个分组。</translation>
    </message>
    <message>
        <source>Slow start: each new ACK grows the Tx Window by one packet, however many packets it acknowledges, so the window doubles every round trip until it reaches SSThresh.</source>
        <translation>慢启动：每个新 ACK 让发送窗口增加一个分组，不论它确认了多少分组，所以窗口每个往返翻一番，直到达到 SSThresh。</translation>
    </message>
    <message>
        <source>Slow start: each new ACK grows the Tx Window by one packet, however many packets it acknowledges, so the window doubles every round trip.</source>
        <translation>慢启动：每个新 ACK 让发送窗口增加一个分组，不论它确认了多少分组，所以窗口每个往返翻一番。</translation>
    </message>
    <message>
        <source>Selective repeat without slow start: each duplicate ACK opens the Tx Window by one packet while the holes are resent.</source>
        <translation>无慢启动的选择重传：重传空缺期间，每个重复 ACK 让发送窗口打开一个分组。</translation>
    </message>
    <message>
        <source>Selective repeat without slow start: the first new ACK after the duplicates restores the smallest window seen while they arrived.</source>
        <translation>无慢启动的选择重传：重复 ACK 之后的第一个新 ACK 恢复它们到达期间出现过的最小窗口。</translation>
    </message>
    <message>
        <source>The Tx Window never grows beyond the receiver&apos;s window (Rx Window Size).</source>
        <translation>发送窗口永远不会超过接收方的窗口（接收窗口大小）。</translation>
    </message>
    <message>
        <source>the cell of packet %1</source>
        <translation>分组 %1 的单元格</translation>
    </message>
    <message>
        <source>none: it is dropped</source>
        <translation>没有：它被丢弃</translation>
    </message>
    <message>
        <source>Packet %1 (sequence number %2) reaches the receiver in %3 tick.</source>
        <translation>分组 %1（序号 %2）在 %3 个节拍后到达接收方。</translation>
    </message>
    <message>
        <source>Packet %1 (sequence number %2) reaches the receiver in %3 ticks.</source>
        <translation>分组 %1（序号 %2）在 %3 个节拍后到达接收方。</translation>
    </message>
    <message>
        <source>An ACK asking for packet %1 reaches the sender in %2 tick.</source>
        <translation>请求分组 %1 的 ACK 在 %2 个节拍后到达发送方。</translation>
    </message>
    <message>
        <source>An ACK asking for packet %1 reaches the sender in %2 ticks.</source>
        <translation>请求分组 %1 的 ACK 在 %2 个节拍后到达发送方。</translation>
    </message>
    <message>
        <source>Which packet will the receiver ask for next?</source>
        <translation>接收方接下来会请求哪个分组？</translation>
    </message>
    <message>
        <source>What will the Tx Window Size be?</source>
        <translation>发送窗口大小将是多少？</translation>
    </message>
    <message>
        <source>Packet %1&apos;s timer runs out in %2 tick.</source>
        <translation>分组 %1 的定时器在 %2 个节拍后到期。</translation>
    </message>
    <message>
        <source>Packet %1&apos;s timer runs out in %2 ticks.</source>
        <translation>分组 %1 的定时器在 %2 个节拍后到期。</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet %1 reaches the sender in %2 tick.</source>
        <translation>请求分组 %1 的第三个重复 ACK 在 %2 个节拍后到达发送方。</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet %1 reaches the sender in %2 ticks.</source>
        <translation>请求分组 %1 的第三个重复 ACK 在 %2 个节拍后到达发送方。</translation>
    </message>
    <message>
        <source>What will SSThresh be?</source>
        <translation>SSThresh 将是多少？</translation>
    </message>
    <message>
        <source>Which packets will the sender send again before it sends a new one?</source>
        <translation>发送方在发送新分组之前会重发哪些分组？</translation>
    </message>
    <message>
        <source>Which packets will the sender queue to send again right then?</source>
        <translation>发送方会在那一刻把哪些分组重新排队等待重发？</translation>
    </message>
    <message>
        <source>In-order receiver.</source>
        <translation>按序接收方。</translation>
    </message>
    <message>
        <source>This receiver keeps only the packet it expects next, packet %1 (sequence number %2).</source>
        <translation>这个接收方只保留它接下来期望的分组，即分组 %1（序号 %2）。</translation>
    </message>
    <message>
        <source>Packet %1 is dropped, and the receiver answers at once with an ACK asking again for packet %2: an ACK always names the next packet awaited, never the one that arrived.</source>
        <translation>分组 %1 被丢弃，接收方立即回复一个再次请求分组 %2 的 ACK：ACK 总是指明下一个等待的分组，而不是刚到达的那个。</translation>
    </message>
    <message>
        <source>The sender will have to send every later packet again.</source>
        <translation>发送方将不得不重发之后的每个分组。</translation>
    </message>
    <message>
        <source>Which cell of the receiver&apos;s strip will take it in?</source>
        <translation>接收方条带中的哪个单元格会接收它？</translation>
    </message>
    <message>
        <source>Sequence-number aliasing.</source>
        <translation>序号混叠。</translation>
    </message>
    <message>
        <source>The receiver knows a packet only by its sequence number, the packet number Mod %1.</source>
        <translation>接收方只通过序号识别分组，即分组编号 Mod %1。</translation>
    </message>
    <message>
        <source>Packet %1 carries sequence number %2, and so does packet %3 inside the receive window, so the receiver takes it in as that packet: the cell turns dark red.</source>
        <translation>分组 %1 带有序号 %2，接收窗口内的分组 %3 也是如此，所以接收方把它当作那个分组接收：单元格变成深红色。</translation>
    </message>
    <message>
        <source>The sequence space (Max Sequence No) is too small for the windows; it must hold the sender&apos;s and the receiver&apos;s windows together.</source>
        <translation>序号空间（最大序号）对窗口来说太小；它必须能同时容纳发送方和接收方的窗口。</translation>
    </message>
    <message>
        <source>Cumulative acknowledgement.</source>
        <translation>累积确认。</translation>
    </message>
    <message>
        <source>Packet %1 is the packet the receiver was waiting for, and the packets after it had already arrived and been kept.</source>
        <translation>分组 %1 正是接收方在等待的分组，而它之后的分组早已到达并被保留。</translation>
    </message>
    <message>
        <source>Its arrival completes the run, so the receive window slides past all of them and the ACK asks for packet %1, the first packet still missing, not for packet %2.</source>
        <translation>它的到达使序列完整，所以接收窗口滑过所有这些分组，ACK 请求分组 %1，即第一个仍缺失的分组，而不是分组 %2。</translation>
    </message>
    <message>
        <source>Which packet will the sender&apos;s window start at?</source>
        <translation>发送方的窗口将从哪个分组开始？</translation>
    </message>
    <message>
        <source>An ACK names the next packet the receiver awaits, so it acknowledges every packet before that one.</source>
        <translation>ACK 指明接收方等待的下一个分组，所以它确认了此前的每一个分组。</translation>
    </message>
    <message>
        <source>The sender blackens them, stops their timers and slides its window on to the oldest packet still unacknowledged, packet %1.</source>
        <translation>发送方把它们涂黑，停止它们的定时器，并把窗口滑动到最旧的未确认分组，即分组 %1。</translation>
    </message>
</context>
<context>
    <name>protocols</name>
    <message>
        <source>&quot;%1&quot; is not a protocol; the protocols are %2.</source>
        <translation>“%1”不是协议；协议有：%2。</translation>
    </message>
    <message>
        <source>A comparison runs two or three protocols, not %1.</source>
        <translation>比较运行两种或三种协议，而不是 %1 种。</translation>
    </message>
    <message>
        <source>Stop-and-wait</source>
        <translation>停止等待</translation>
    </message>
    <message>
        <source>Go-back-N (textbook)</source>
        <translation>回退 N 帧（教科书）</translation>
    </message>
    <message>
        <source>Selective repeat</source>
        <translation>选择重传</translation>
    </message>
    <message>
        <source>Tahoe-like TCP</source>
        <translation>类 Tahoe TCP</translation>
    </message>
    <message>
        <source>Reno-like TCP</source>
        <translation>类 Reno TCP</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Receiver keeps out-of-order packets</source>
        <translation>接收方保留乱序分组</translation>
    </message>
    <message>
        <source>Fast retransmit as Tahoe: back to one packet</source>
        <translation>Tahoe 式快速重传：回到一个分组</translation>
    </message>
    <message>
        <source>Fast retransmit as Reno: fast recovery</source>
        <translation>Reno 式快速重传：快速恢复</translation>
    </message>
</context>
<context>
    <name>run files</name>
    <message>
        <source>text</source>
        <extracomment>What a JSON value is, in &quot;The field &quot;x&quot; should be a list, not %2.&quot;</extracomment>
        <translation>文本</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true 或 false</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>对象</translation>
    </message>
    <message>
        <source>null</source>
        <translation>null</translation>
    </message>
    <message>
        <source>The field %1 is missing.</source>
        <translation>缺少字段 %1。</translation>
    </message>
    <message>
        <source>The field %1 should be an object, not %2.</source>
        <translation>字段 %1 应为对象，而不是 %2。</translation>
    </message>
    <message>
        <source>The field %1 is %2, outside %3 to %4.</source>
        <translation>字段 %1 为 %2，超出 %3 到 %4 的范围。</translation>
    </message>
    <message>
        <source>The field %1 should be a whole number written without a decimal point or an exponent, not %2.</source>
        <translation>字段 %1 应为不带小数点或指数的整数，而不是 %2。</translation>
    </message>
    <message>
        <source>The field %1 should be a whole number, not %2.</source>
        <translation>字段 %1 应为整数，而不是 %2。</translation>
    </message>
    <message>
        <source>The field %1 should be text, not %2.</source>
        <translation>字段 %1 应为文本，而不是 %2。</translation>
    </message>
    <message>
        <source>The field %1 should be true or false, not %2.</source>
        <translation>字段 %1 应为 true 或 false，而不是 %2。</translation>
    </message>
    <message>
        <source>The field %1 names no %2 this program knows: %3.</source>
        <translation>字段 %1 指定的 %2 本程序不认识：%3。</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>第 %1 行，第 %2 列</translation>
    </message>
    <message>
        <source>%1.%2 MB</source>
        <translation>%1.%2 MB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>The file is %1, larger than a run file may be (%2).</source>
        <translation>文件大小为 %1，超过运行文件允许的大小（%2）。</translation>
    </message>
    <message>
        <source>The run in this link cannot be opened. It is larger than a run file may be (%1).</source>
        <translation>无法打开此链接中的运行。它超过运行文件允许的大小（%1）。</translation>
    </message>
    <message>
        <source>The field %1 should be a figure such as &quot; 4&quot;, not %2.</source>
        <translation>字段 %1 应为形如“ 4”的数字，而不是 %2。</translation>
    </message>
    <message>
        <source>action</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>option</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>slider</source>
        <translation>滑块</translation>
    </message>
    <message>
        <source>The entry %1 should be an object, not %2.</source>
        <translation>条目 %1 应为对象，而不是 %2。</translation>
    </message>
    <message>
        <source>kind of question</source>
        <translation>题型</translation>
    </message>
    <message>
        <source>The field %1 is empty.</source>
        <translation>字段 %1 为空。</translation>
    </message>
    <message>
        <source>The field %1 should be a list of two to four texts.</source>
        <translation>字段 %1 应为包含二到四个文本的列表。</translation>
    </message>
    <message>
        <source>The entry %1 should be text, not %2.</source>
        <translation>条目 %1 应为文本，而不是 %2。</translation>
    </message>
    <message>
        <source>The entry %1 is empty or the same as a choice before it.</source>
        <translation>条目 %1 为空或与前面的某个选项相同。</translation>
    </message>
    <message>
        <source>The field %1 should be a list, not %2.</source>
        <translation>字段 %1 应为列表，而不是 %2。</translation>
    </message>
    <message>
        <source>The field %1 is %2, before the tick of the action before it (%3).</source>
        <translation>字段 %1 为 %2，早于前一个操作的节拍（%3）。</translation>
    </message>
    <message>
        <source>The field %1 is %2, after the run&apos;s last tick (%3).</source>
        <translation>字段 %1 为 %2，晚于运行的最后一个节拍（%3）。</translation>
    </message>
    <message>
        <source>The field %1 should be a list of at most %2 planned losses.</source>
        <translation>字段 %1 应为最多包含 %2 次计划丢失的列表。</translation>
    </message>
    <message>
        <source>The entry %1 should be one planned loss such as &quot;p5&quot;, &quot;p7.2&quot; or &quot;a9&quot;.</source>
        <translation>条目 %1 应为一次计划丢失，例如“p5”“p7.2”或“a9”。</translation>
    </message>
    <message>
        <source>The file holds JSON but not a run: its top level is %1, not an object.</source>
        <translation>文件包含 JSON，但不是运行：它的顶层是 %1，而不是对象。</translation>
    </message>
    <message>
        <source>The file is not a run file: its field %1 is not %2.</source>
        <translation>文件不是运行文件：它的字段 %1 不是 %2。</translation>
    </message>
    <message>
        <source>The file is format version %1, newer than this program reads (%2); a newer version of the program opens it.</source>
        <translation>文件的格式版本为 %1，比本程序能读取的更新（%2）；请用更新版本的程序打开。</translation>
    </message>
    <message>
        <source>The field %1 should be a list of one or two runs.</source>
        <translation>字段 %1 应为包含一个或两个运行的列表。</translation>
    </message>
    <message>
        <source>The field %1 should be a list of at most %2 questions.</source>
        <translation>字段 %1 应为最多包含 %2 道题的列表。</translation>
    </message>
    <message>
        <source>The field %1 is before the tick of the question before it.</source>
        <translation>字段 %1 早于前一道题的节拍。</translation>
    </message>
    <message>
        <source>The file holds an object with more than %1 fields; a run file&apos;s have a dozen at most.</source>
        <translation>文件包含一个超过 %1 个字段的对象；运行文件的对象最多只有十几个字段。</translation>
    </message>
    <message>
        <source>The file nests its lists and objects more than %1 deep; a run file needs three.</source>
        <translation>文件中列表和对象的嵌套超过 %1 层；运行文件只需要三层。</translation>
    </message>
    <message>
        <source>The file holds more values than a run file of %1 MB can.</source>
        <translation>文件包含的值比 %1 MB 的运行文件所能容纳的还多。</translation>
    </message>
    <message>
        <source>The file holds a NUL byte at %1: a run file is plain text.</source>
        <translation>文件在 %1 处包含 NUL 字节：运行文件是纯文本。</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text: a malformed byte stands at %1.</source>
        <translation>文件不是 UTF-8 文本：在 %1 处有一个格式错误的字节。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>文件为空。</translation>
    </message>
    <message>
        <source>The file is not valid JSON: something unexpected stands at %1.</source>
        <translation>文件不是有效的 JSON：在 %1 处出现了意外内容。</translation>
    </message>
    <message>
        <source>The file ends too early, at %1: it is cut short.</source>
        <translation>文件在 %1 处过早结束：它被截断了。</translation>
    </message>
    <message>
        <source>The file has more after its end, at %1.</source>
        <translation>文件在结束之后还有内容，位于 %1。</translation>
    </message>
    <message>
        <source>The file is not valid JSON.</source>
        <translation>文件不是有效的 JSON。</translation>
    </message>
    <message>
        <source>The file holds a value of the wrong kind.</source>
        <translation>文件包含类型错误的值。</translation>
    </message>
    <message>
        <source>Could not open %1: there is no such file.</source>
        <translation>无法打开 %1：没有这个文件。</translation>
    </message>
    <message>
        <source>Could not open %1: it is a folder, not a file.</source>
        <translation>无法打开 %1：它是文件夹，不是文件。</translation>
    </message>
    <message>
        <source>Could not open %1: %2.</source>
        <translation>无法打开 %1：%2。</translation>
    </message>
    <message>
        <source>Could not open %1: it is not a plain file.</source>
        <translation>无法打开 %1：它不是普通文件。</translation>
    </message>
    <message>
        <source>Could not open %1: it cannot be read.</source>
        <translation>无法打开 %1：无法读取。</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>无法写入 %1：%2。</translation>
    </message>
    <message>
        <source>This run is too long to save: its first %1 ticks were dropped to keep within the memory budget.</source>
        <translation>本次运行太长，无法保存：为不超出内存预算，它最前面的 %1 个节拍已被丢弃。</translation>
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
        <translation>慢启动</translation>
    </message>
    <message>
        <source>Avoidance</source>
        <translation>拥塞避免</translation>
    </message>
    <message>
        <source>Fast Retransmit</source>
        <translation>快速重传</translation>
    </message>
    <message>
        <source>Selective Repeat</source>
        <translation>选择重传</translation>
    </message>
    <message>
        <source>Delayed ACKs</source>
        <translation>延迟 ACK</translation>
    </message>
    <message>
        <source>Auto RTT</source>
        <translation>Auto RTT</translation>
    </message>
    <message>
        <source>Slide Numbers</source>
        <translation>滑动编号</translation>
    </message>
    <message>
        <source>Tx Window Size</source>
        <translation>发送窗口大小</translation>
    </message>
    <message>
        <source>Current Flight Size</source>
        <translation>当前在途分组数</translation>
    </message>
    <message>
        <source>Duplicate ACKs</source>
        <translation>重复 ACK</translation>
    </message>
    <message>
        <source>SSThresh</source>
        <translation>SSThresh</translation>
    </message>
    <message>
        <source>Rx Window Size</source>
        <translation>接收窗口大小</translation>
    </message>
    <message>
        <source>Timeout Timer</source>
        <translation>超时定时器</translation>
    </message>
    <message>
        <source>TimeOut Timer</source>
        <translation>超时定时器</translation>
    </message>
    <message>
        <source>Max Sequence No</source>
        <translation>最大序号</translation>
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
        <translation>未知</translation>
    </message>
    <message>
        <source>Packet X : Sequence Number X</source>
        <translation>分组 X ：序号 X</translation>
    </message>
    <message>
        <source>ACK for X : Sent After Packet X Arrived</source>
        <translation>X 的 ACK ：分组 X 到达后发出</translation>
    </message>
    <message>
        <source>Packet %1 : Sequence Number %2</source>
        <translation>分组 %1 ：序号 %2</translation>
    </message>
    <message>
        <source>ACK with Seq Num %1 (packet %2) : Packet %3 Arrived</source>
        <translation>序号 %1 的 ACK（分组 %2）：分组 %3 已到达</translation>
    </message>
    <message>
        <source>Press &apos;Start&apos; to go...</source>
        <translation>按“Start”开始...</translation>
    </message>
    <message>
        <source>Hoping for ACK with sequence number %1</source>
        <translation>等待序号为 %1 的 ACK</translation>
    </message>
    <message>
        <source>Hoping for ACK with sequence number between %1 and %2</source>
        <translation>等待序号在 %1 与 %2 之间的 ACK</translation>
    </message>
    <message>
        <source>Waiting for packet %1 with sequence number %2</source>
        <translation>等待分组 %1，序号 %2</translation>
    </message>
    <message>
        <source>Transmit window now %1 only %2 in flight, so sending packet %3</source>
        <translation>发送窗口现为 %1，在途仅 %2 个，因此发送分组 %3</translation>
    </message>
    <message>
        <source>Sending ACK for packet %1 (sequence number %2) asking for packet with sequence number %3</source>
        <translation>发送分组 %1（序号 %2）的 ACK，请求序号为 %3 的分组</translation>
    </message>
    <message>
        <source> %1 Duplicate ACK for sequence number %2 arrived</source>
        <translation> 第 %1 个序号 %2 的重复 ACK 到达</translation>
    </message>
    <message>
        <source>Non-Duplicate ACK arrived: leaving fast re-transmit.</source>
        <translation>非重复 ACK 到达：退出快速重传。</translation>
    </message>
    <message>
        <source>New ACK arrived: increasing window size to %1</source>
        <translation>新 ACK 到达：窗口增大到 %1</translation>
    </message>
    <message>
        <source>Third duplicate ACK arrived.  Entering fast retransmit, and retransmitting packet %1</source>
        <translation>第三个重复 ACK 到达。进入快速重传，重传分组 %1</translation>
    </message>
    <message>
        <source>Third duplicate ACK arrived.  Tahoe: retransmitting packet %1 and starting again from a window of one packet</source>
        <translation>第三个重复 ACK 到达。Tahoe：重传分组 %1，并从一个分组的窗口重新开始</translation>
    </message>
    <message>
        <source>Retransmitting packet %1</source>
        <translation>重传分组 %1</translation>
    </message>
    <message>
        <source>Going back: retransmitting packet %1</source>
        <translation>回退：重传分组 %1</translation>
    </message>
    <message>
        <source>Run Out of Packets to Send</source>
        <translation>已没有分组可发送</translation>
    </message>
</context>
<context>
    <name>status</name>
    <message>
        <source>End of the lesson</source>
        <translation>课程结束</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>运行 %1</translation>
    </message>
    <message>
        <source>Tick %1</source>
        <translation>节拍 %1</translation>
    </message>
    <message>
        <source>Run %1: %2</source>
        <translation>运行 %1：%2</translation>
    </message>
    <message>
        <source>Run %1, options kept at Reset</source>
        <translation>运行 %1，Reset 时保留选项</translation>
    </message>
    <message>
        <source>%1: End of the lesson</source>
        <translation>%1：课程结束</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>Receiver keeps only in-order packets</source>
        <translation>接收方只保留按序分组</translation>
    </message>
    <message>
        <source>Sender resends the whole window on a timeout</source>
        <translation>超时时发送方重发整个窗口</translation>
    </message>
    <message>
        <source>Fast retransmit restarts slow start (Tahoe)</source>
        <translation>快速重传重新开始慢启动（Tahoe）</translation>
    </message>
    <message>
        <source>This run has used every packet number up to %1. Press Reset to start a new run.</source>
        <translation>本次运行已用完直到 %1 的所有分组编号。按 Reset 开始新的运行。</translation>
    </message>
</context>
</TS>
