<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>ClassroomPanel</name>
    <message>
        <source>Classroom Session</source>
        <translation>جلسة الفصل</translation>
    </message>
    <message>
        <source>QR code of the address to join the class</source>
        <translation>رمز QR لعنوان الانضمام إلى الفصل</translation>
    </message>
    <message>
        <source>&amp;Ask the Room</source>
        <translation>ا&amp;سأل القاعة</translation>
    </message>
    <message>
        <source>&amp;Reveal</source>
        <translation>اك&amp;شف</translation>
    </message>
    <message>
        <source>&amp;Vote Again</source>
        <translation>صوّت م&amp;جددًا</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>ت&amp;شغيل</translation>
    </message>
    <message>
        <source>&amp;Stop Session</source>
        <translation>إنهاء ال&amp;جلسة</translation>
    </message>
</context>
<context>
    <name>ClassroomServer</name>
    <message>
        <source>The classroom session could not listen on port %1: %2</source>
        <translation>تعذّر على جلسة الفصل الاستماع على المنفذ %1: %2</translation>
    </message>
</context>
<context>
    <name>ClassroomSession</name>
    <message>
        <source>The class answers could not be written to %1: %2</source>
        <translation>تعذّرت كتابة إجابات الفصل في %1: %2</translation>
    </message>
    <message>
        <source>Part of the program could not be loaded: %1</source>
        <translation>تعذّر تحميل جزء من البرنامج: %1</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 غير موجود</translation>
    </message>
</context>
<context>
    <name>CompareChart</name>
    <message>
        <source>Click a tick to take every configuration back to it</source>
        <translation>انقر على نبضة لإعادة كل تهيئة إليها</translation>
    </message>
    <message>
        <source>Transmit window (packets)</source>
        <translation>نافذة الإرسال (حزم)</translation>
    </message>
    <message>
        <source>Goodput (packets per 100 ticks, over the last 200)</source>
        <translation>الإنتاجية الفعلية (حزم لكل 100 نبضة، على آخر 200)</translation>
    </message>
    <message>
        <source>tick (50 ms at 1×)</source>
        <translation>نبضة (50 ms عند 1×)</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>مقارنة</translation>
    </message>
    <message>
        <source>None</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>Configuration &amp;%1:</source>
        <translation>التهيئة &amp;%1:</translation>
    </message>
    <message>
        <source> (Network → Losses… changes them, here or in the comparison)</source>
        <translation> (الشبكة ← الفقد… تغيّرها، هنا أو في المقارنة)</translation>
    </message>
    <message>
        <source>Run these side by side from one clock, with the same losses:</source>
        <translation>شغّل هذه جنبًا إلى جنب بساعة واحدة وبالفقد نفسه:</translation>
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
        <translation>مقارنة: %1</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>خ&amp;طوة</translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation>خطوة إلى ال&amp;خلف</translation>
    </message>
    <message>
        <source>Speed of the shared clock</source>
        <translation>سرعة الساعة المشتركة</translation>
    </message>
    <message>
        <source>&amp;Losses…</source>
        <translation>ال&amp;فقد…</translation>
    </message>
    <message>
        <source>&amp;Diagram…</source>
        <translation>ال&amp;مخطط…</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;حفظ…</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>أصغر</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>أكبر</translation>
    </message>
    <message>
        <source>Each configuration loses the same packets and ACKs. A click on the chart takes all of them back to that tick; a packet or ACK you lose in one window is lost in the others too.</source>
        <translation>تفقد كل تهيئة الحزم وإشعارات ACK نفسها. النقر على الرسم البياني يعيدها جميعًا إلى تلك النبضة؛ والحزمة أو إشعار ACK الذي تفقده في نافذة يُفقد في الأخريات أيضًا.</translation>
    </message>
    <message>
        <source>E&amp;xport Picture…</source>
        <translation>&amp;تصدير صورة…</translation>
    </message>
    <message>
        <source>&amp;Handout…</source>
        <translation>&amp;مطبوعة للطلاب…</translation>
    </message>
</context>
<context>
    <name>EventLogModel</name>
    <message>
        <source>sender</source>
        <translation>المرسل</translation>
    </message>
    <message>
        <source>receiver</source>
        <translation>المستقبل</translation>
    </message>
    <message>
        <source>user</source>
        <translation>المستخدم</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>النبضة</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>الجهة</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>ما حدث</translation>
    </message>
</context>
<context>
    <name>EventLogView</name>
    <message>
        <source>Show:</source>
        <translation>عرض:</translation>
    </message>
</context>
<context>
    <name>LadderView</name>
    <message>
        <source>Time-Sequence Diagram</source>
        <translation>مخطط التتابع الزمني</translation>
    </message>
    <message>
        <source>Time-sequence diagram of the run</source>
        <translation>مخطط التتابع الزمني للتشغيل</translation>
    </message>
    <message>
        <source>Export Picture…</source>
        <translation>تصدير صورة…</translation>
    </message>
</context>
<context>
    <name>LegendDialog</name>
    <message>
        <source>Legend</source>
        <translation>وسيلة الإيضاح</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>LessonsDialog</name>
    <message>
        <source>Lessons</source>
        <translation>الدروس</translation>
    </message>
</context>
<context>
    <name>LossesDialog</name>
    <message>
        <source>&amp;Remove</source>
        <translation>إ&amp;زالة</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>الفقد</translation>
    </message>
    <message>
        <source>At random</source>
        <translation>عشوائيًا</translation>
    </message>
    <message>
        <source>&amp;Packets lost:</source>
        <translation>الحزم ال&amp;مفقودة:</translation>
    </message>
    <message>
        <source>&amp;ACKs lost:</source>
        <translation>إشعارات &amp;ACK المفقودة:</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>ال&amp;بذرة:</translation>
    </message>
    <message>
        <source>Packet</source>
        <translation>حزمة</translation>
    </message>
    <message>
        <source>ACK for packet</source>
        <translation>ACK للحزمة</translation>
    </message>
    <message>
        <source>The packet&apos;s number; for an ACK, the packet whose arrival sends it</source>
        <translation>رقم الحزمة؛ وفي حالة ACK، الحزمة التي يرسله وصولُها</translation>
    </message>
    <message>
        <source>transmission </source>
        <translation>الإرسال </translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>إ&amp;ضافة</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>مخطط له</translation>
    </message>
    <message>
        <source>Each loss is a double click on the packet or ACK as it crosses the middle of the network, recorded like yours. The same seed loses the same packets in every run and every protocol.</source>
        <translation>كل فقد هو نقرة مزدوجة على الحزمة أو ACK وهو يعبر منتصف الشبكة، ويُسجَّل كما تُسجَّل نقراتك. البذرة نفسها تفقد الحزم نفسها في كل تشغيل ومع كل بروتوكول.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;عرض</translation>
    </message>
    <message>
        <source>&amp;Time-Sequence Diagram</source>
        <translation>مخطط ال&amp;تتابع الزمني</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>&amp;Lessons...</source>
        <translation>ال&amp;دروس...</translation>
    </message>
    <message>
        <source>&amp;Keys and Mouse</source>
        <translation>لوحة المفاتيح وال&amp;فأرة</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;حول</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>الخروج من ملء الشاشة</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab، Shift+Tab</translation>
    </message>
    <message>
        <source>Move among the panel&apos;s controls, then into the flight area</source>
        <translation>التنقل بين عناصر التحكم في اللوحة، ثم إلى منطقة العبور</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>مسافة</translation>
    </message>
    <message>
        <source>Press the focused button or tick the focused box</source>
        <translation>اضغط الزر المحدد أو علّم المربع المحدد</translation>
    </message>
    <message>
        <source>Arrow keys on a slider</source>
        <translation>مفاتيح الأسهم على منزلق</translation>
    </message>
    <message>
        <source>Up for more on the window and sequence sliders; Right for a longer timeout</source>
        <translation>إلى الأعلى للزيادة في منزلقات النافذة والتسلسل؛ وإلى اليمين لمهلة أطول</translation>
    </message>
    <message>
        <source>Arrow keys in the flight area</source>
        <translation>مفاتيح الأسهم في منطقة العبور</translation>
    </message>
    <message>
        <source>Pick a travelling packet or ACK (it is outlined)</source>
        <translation>اختر حزمة أو ACK في الطريق (يُحاط بإطار)</translation>
    </message>
    <message>
        <source>Space in the flight area</source>
        <translation>مسافة في منطقة العبور</translation>
    </message>
    <message>
        <source>Hold the picked one, or let it go on</source>
        <translation>أوقف المختار أو دعه يكمل</translation>
    </message>
    <message>
        <source>Delete in the flight area</source>
        <translation>Delete في منطقة العبور</translation>
    </message>
    <message>
        <source>Lose the picked one</source>
        <translation>افقد المختار</translation>
    </message>
    <message>
        <source>Keys and Mouse</source>
        <translation>لوحة المفاتيح والفأرة</translation>
    </message>
    <message>
        <source>On the chart: the wheel zooms, the scroll bar below moves through the run, a click puts the cursor on a tick, a double click (or &lt;i&gt;Rewind to Cursor&lt;/i&gt;) goes back to it. Selecting a line of the log moves the cursor to its tick.</source>
        <translation>على الرسم البياني: العجلة تكبّر وتصغّر، وشريط التمرير أسفله يتنقل عبر التشغيل، والنقرة تضع المؤشر على نبضة، والنقرة المزدوجة (أو &lt;i&gt;الرجوع إلى المؤشر&lt;/i&gt;) تعود إليها. تحديد سطر في السجل ينقل المؤشر إلى نبضته.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Version %2&lt;/p&gt;&lt;p&gt;A sliding-window transport protocol with congestion control, animated on a 50 ms clock: slow start, congestion avoidance, fast retransmit and recovery, selective repeat, delayed ACKs and an adaptive timeout.&lt;/p&gt;&lt;p&gt;The run is recorded as it goes, so it can be stepped back, rewound to any earlier tick on the chart, and exported.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;الإصدار %2&lt;/p&gt;&lt;p&gt;بروتوكول نقل بنافذة منزلقة مع التحكم في الازدحام، متحرك على ساعة مدتها 50 ms: البدء البطيء، وتجنب الازدحام، وإعادة الإرسال السريع والاسترداد السريع، والتكرار الانتقائي، وإشعارات ACK المؤخرة، ومهلة تكيفية.&lt;/p&gt;&lt;p&gt;يُسجَّل التشغيل أثناء سيره، فيمكن الرجوع فيه خطوة خطوة، وإرجاعه إلى أي نبضة سابقة على الرسم البياني، وتصديره.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>The window</source>
        <translation>النافذة</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>الرسم البياني</translation>
    </message>
    <message>
        <source>The time-sequence diagram</source>
        <translation>مخطط التتابع الزمني</translation>
    </message>
    <message>
        <source>The table of figures</source>
        <translation>جدول الأرقام</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>تصدير صورة</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;عرض:</translation>
    </message>
    <message>
        <source>Export Comparison Picture</source>
        <translation>تصدير صورة المقارنة</translation>
    </message>
    <message>
        <source>Show together:</source>
        <translation>عرض معًا:</translation>
    </message>
    <message>
        <source>Export Handout</source>
        <translation>تصدير المطبوعة</translation>
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
        <translation>&amp;الورق:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>إلى</translation>
    </message>
    <message>
        <source>Ticks from:</source>
        <translation>النبضات من:</translation>
    </message>
    <message>
        <source>four ticks spread over the range</source>
        <translation>أربع نبضات موزعة على المدى</translation>
    </message>
    <message>
        <source>Up to four ticks, separated by commas, such as 0, 150, 300, 450</source>
        <translation>حتى أربع نبضات، تفصل بينها فواصل، مثل 0, 150, 300, 450</translation>
    </message>
    <message>
        <source>&amp;Window at ticks:</source>
        <translation>&amp;النافذة عند النبضات:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>الحجم:</translation>
    </message>
    <message>
        <source>Title line: the run, its protocol, losses and ticks</source>
        <translation>سطر العنوان: التشغيل وبروتوكوله وفقده ونبضاته</translation>
    </message>
    <message>
        <source>Choose at least one view to show.</source>
        <translation>اختر عرضًا واحدًا على الأقل لإظهاره.</translation>
    </message>
    <message>
        <source>Window at ticks: %1.</source>
        <translation>النافذة عند النبضات: %1.</translation>
    </message>
</context>
<context>
    <name>PracticePanel</name>
    <message>
        <source>Practice</source>
        <translation>تمرين</translation>
    </message>
    <message>
        <source>Skip (Esc)</source>
        <translation>تخطٍّ (Esc)</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>النتيجة:</translation>
    </message>
    <message>
        <source>Questions per minute:</source>
        <translation>الأسئلة في الدقيقة:</translation>
    </message>
    <message>
        <source>Copy Summary</source>
        <translation>نسخ الملخص</translation>
    </message>
    <message>
        <source>Watching the run for the next question…</source>
        <translation>مراقبة التشغيل من أجل السؤال التالي…</translation>
    </message>
    <message>
        <source>Watch the run: the event comes in a few ticks.</source>
        <translation>راقب التشغيل: سيقع الحدث خلال بضع نبضات.</translation>
    </message>
    <message>
        <source>Skipped: the run gave %1.</source>
        <translation>تم التخطي: أعطى التشغيل %1.</translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>صحيح.</translation>
    </message>
    <message>
        <source>Not so: the run gave %1.</source>
        <translation>ليس كذلك: أعطى التشغيل %1.</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>%1 من %2 صحيحة</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Time-Sequence Diagrams, Ticks %1 to %2</source>
        <translation>مخططات التتابع الزمني، النبضات %1 إلى %2</translation>
    </message>
    <message>
        <source>A receiver cell: a packet&apos;s number. Its colour (and, with state marks on, its mark) says whether the receiver awaits or holds the packet; View &gt; Legend explains them.</source>
        <translation>خلية المستقبل: رقم حزمة. لونها (ومع علامات الحالة علامتها) يبيّن هل ينتظر المستقبل الحزمة أم يحتفظ بها؛ يشرحها عرض &gt; وسيلة الإيضاح.</translation>
    </message>
    <message>
        <source>A packet on its way to the receiver. </source>
        <translation>حزمة في طريقها إلى المستقبل. </translation>
    </message>
    <message>
        <source>An ACK on its way back to the sender. </source>
        <translation>ACK في طريق عودته إلى المرسل. </translation>
    </message>
    <message>
        <source>sender cell</source>
        <translation>خلية المرسل</translation>
    </message>
    <message>
        <source>receiver cell</source>
        <translation>خلية المستقبل</translation>
    </message>
    <message>
        <source>Timeout Timer</source>
        <translation>مؤقت المهلة</translation>
    </message>
    <message>
        <source>Tx Window Size</source>
        <translation>حجم نافذة الإرسال</translation>
    </message>
    <message>
        <source>Rx Window Size</source>
        <translation>حجم نافذة الاستقبال</translation>
    </message>
    <message>
        <source>Max Sequence No</source>
        <translation>أقصى رقم تسلسلي</translation>
    </message>
    <message>
        <source>setting %1</source>
        <translation>القيمة %1</translation>
    </message>
    <message>
        <source>highest sequence number %1</source>
        <translation>أعلى رقم تسلسلي %1</translation>
    </message>
    <message>
        <source>%1 packets</source>
        <translation>%1 حزم</translation>
    </message>
    <message>
        <source>Timeout bar: runs down while the packet waits for its ACK; when it is empty the packet is sent again.</source>
        <translation>شريط المهلة: يتناقص بينما تنتظر الحزمة ACK الخاص بها؛ وحين يفرغ تُرسل الحزمة من جديد.</translation>
    </message>
    <message>
        <source>The sender strip. The purple frame is the sender&apos;s window: the packets it may send before an ACK comes back.</source>
        <translation>شريط المرسل. الإطار البنفسجي هو نافذة المرسل: الحزم التي يجوز له إرسالها قبل عودة ACK.</translation>
    </message>
    <message>
        <source>The receiver strip. The purple frame is the receiver&apos;s window: the packets it takes in.</source>
        <translation>شريط المستقبل. الإطار البنفسجي هو نافذة المستقبل: الحزم التي يقبلها.</translation>
    </message>
    <message>
        <source>Packets travel down on the left, ACKs up on the right. </source>
        <translation>تنزل الحزم على اليسار، وتصعد إشعارات ACK على اليمين. </translation>
    </message>
    <message>
        <source>Page &amp;Address...</source>
        <translation>&amp;عنوان الصفحة...</translation>
    </message>
    <message>
        <source>Page Address</source>
        <translation>عنوان الصفحة</translation>
    </message>
    <message>
        <source>The address where the page is published (https://...):</source>
        <translation>العنوان الذي نُشرت عليه الصفحة (https://...):</translation>
    </message>
    <message>
        <source>Show Link as &amp;QR Code</source>
        <translation>عرض الرابط كرمز &amp;QR</translation>
    </message>
    <message>
        <source>Show Link as QR Code (set the page&apos;s address first: View &gt; Page Address or --page-url URL)</source>
        <translation>عرض الرابط كرمز QR (عيّن عنوان الصفحة أولًا: عرض &gt; عنوان الصفحة أو ‎--page-url URL)</translation>
    </message>
    <message>
        <source>The page address %1 is not used: it must be a web address beginning with https:// or http://, or a file:// address.</source>
        <translation>لا يُستخدم عنوان الصفحة %1: يجب أن يكون عنوان ويب يبدأ بـ https://‎ أو http://‎، أو عنوان file://‎.</translation>
    </message>
    <message>
        <source>&amp;Chart and Log</source>
        <translation>الرسم البياني وال&amp;سجل</translation>
    </message>
    <message>
        <source>&amp;Open Run...</source>
        <translation>&amp;فتح تشغيل...</translation>
    </message>
    <message>
        <source>&amp;Save Run As...</source>
        <translation>&amp;حفظ التشغيل باسم...</translation>
    </message>
    <message>
        <source>Export Chart as &amp;PNG...</source>
        <translation>تصدير الرسم البياني بصيغة &amp;PNG...</translation>
    </message>
    <message>
        <source>Export Chart as PNG</source>
        <translation>تصدير الرسم البياني بصيغة PNG</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>صور PNG (*.png)</translation>
    </message>
    <message>
        <source>Export Chart as S&amp;VG...</source>
        <translation>تصدير الرسم البياني بصيغة S&amp;VG...</translation>
    </message>
    <message>
        <source>Export Chart as SVG</source>
        <translation>تصدير الرسم البياني بصيغة SVG</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>رسوم SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export Run as &amp;CSV...</source>
        <translation>تصدير التشغيل بصيغة &amp;CSV...</translation>
    </message>
    <message>
        <source>Export Run as CSV</source>
        <translation>تصدير التشغيل بصيغة CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>ملفات CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Run as Packet Ca&amp;pture...</source>
        <translation>تصدير التشغيل كالتقاط &amp;حزم...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>إ&amp;نهاء</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>تعذّرت كتابة %1.</translation>
    </message>
    <message>
        <source>Packet capture at the sender (*.pcap)</source>
        <translation>التقاط الحزم عند المرسل (*.pcap)</translation>
    </message>
    <message>
        <source>Packet capture at the receiver (*.pcap)</source>
        <translation>التقاط الحزم عند المستقبل (*.pcap)</translation>
    </message>
    <message>
        <source>Export Run as Packet Capture</source>
        <translation>تصدير التشغيل كالتقاط حزم</translation>
    </message>
    <message>
        <source>Open Run</source>
        <translation>فتح تشغيل</translation>
    </message>
    <message>
        <source>Runs (*.swrun *.json);;All files (*)</source>
        <translation>التشغيلات (*.swrun *.json);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>Save Run As</source>
        <translation>حفظ التشغيل باسم</translation>
    </message>
    <message>
        <source>Runs (*.swrun);;Runs, as before (*.json)</source>
        <translation>التشغيلات (*.swrun);;التشغيلات بالصيغة السابقة (*.json)</translation>
    </message>
    <message>
        <source>%1 cannot be opened. %2</source>
        <translation>لا يمكن فتح %1. %2</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>ت&amp;شغيل</translation>
    </message>
    <message>
        <source>S&amp;tep One Tick</source>
        <translation>خطوة &amp;نبضة واحدة</translation>
    </message>
    <message>
        <source>Step &amp;Back One Tick</source>
        <translation>نبضة واحدة إلى ال&amp;خلف</translation>
    </message>
    <message>
        <source>&amp;Compare…</source>
        <translation>&amp;مقارنة…</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>ت&amp;مرين</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>ال&amp;سرعة</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;خيارات</translation>
    </message>
    <message>
        <source>&amp;Protocol</source>
        <translation>ال&amp;بروتوكول</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>ال&amp;شبكة</translation>
    </message>
    <message>
        <source>&amp;Losses…</source>
        <translation>ال&amp;فقد…</translation>
    </message>
    <message>
        <source>&amp;No Losses</source>
        <translation>&amp;بلا فقد</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;تكبير</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>ت&amp;صغير</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>الحجم ال&amp;فعلي</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>ملء ال&amp;شاشة</translation>
    </message>
    <message>
        <source>Colour-blind safe colours</source>
        <translation>ألوان آمنة لعمى الألوان</translation>
    </message>
    <message>
        <source>State marks</source>
        <translation>علامات الحالة</translation>
    </message>
    <message>
        <source>&amp;Legend</source>
        <translation>&amp;وسيلة الإيضاح</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>ال&amp;لغة</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>The program speaks %1 from its next start.</source>
        <translation>سيتحدث البرنامج %1 بدءًا من تشغيله التالي.</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>لغة النظام</translation>
    </message>
    <message>
        <source>Classroom &amp;Session…</source>
        <translation>جلسة ال&amp;فصل…</translation>
    </message>
    <message>
        <source>Export Class &amp;Answers…</source>
        <translation>تصدير إجابات ال&amp;فصل…</translation>
    </message>
    <message>
        <source>Export Class Answers</source>
        <translation>تصدير إجابات الفصل</translation>
    </message>
    <message>
        <source>Now %1.</source>
        <translation>الآن: %1.</translation>
    </message>
    <message>
        <source>Copy &amp;Link to Run</source>
        <translation>نسخ &amp;رابط التشغيل</translation>
    </message>
    <message>
        <source>Export P&amp;icture...</source>
        <translation>تصدير &amp;صورة...</translation>
    </message>
    <message>
        <source>Export &amp;Figures as CSV...</source>
        <translation>تصدير الأ&amp;رقام بصيغة CSV...</translation>
    </message>
    <message>
        <source>Export Figures as CSV</source>
        <translation>تصدير الأرقام بصيغة CSV</translation>
    </message>
    <message>
        <source>Export &amp;Handout (PDF)...</source>
        <translation>تصدير ال&amp;مطبوعة (PDF)...</translation>
    </message>
    <message>
        <source>P&amp;rint Handout...</source>
        <translation>&amp;طباعة المطبوعة...</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>تصدير صورة</translation>
    </message>
    <message>
        <source>PNG images (*.png);;SVG drawings (*.svg)</source>
        <translation>صور PNG (*.png);;رسوم SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export Comparison Picture</source>
        <translation>تصدير صورة المقارنة</translation>
    </message>
    <message>
        <source>Export Handout</source>
        <translation>تصدير المطبوعة</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>مستندات PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The handout could not be printed.</source>
        <translation>تعذّرت طباعة المطبوعة.</translation>
    </message>
    <message>
        <source>&amp;Go to Tick…</source>
        <translation>الان&amp;تقال إلى نبضة…</translation>
    </message>
    <message>
        <source>Go to Tick</source>
        <translation>الانتقال إلى نبضة</translation>
    </message>
    <message>
        <source>Tick (now %1; a later tick plays on to it, an earlier one rewinds):</source>
        <translation>النبضة (الآن %1؛ النبضة اللاحقة يُكمَل التشغيل إليها، والسابقة يُرجَع إليها):</translation>
    </message>
</context>
<context>
    <name>QrDialog</name>
    <message>
        <source>Link as QR Code</source>
        <translation>الرابط كرمز QR</translation>
    </message>
    <message>
        <source>QR code of the link to this run</source>
        <translation>رمز QR لرابط هذا التشغيل</translation>
    </message>
    <message>
        <source>Scan to open this run on a phone (%1 characters).</source>
        <translation>امسح الرمز لفتح هذا التشغيل على هاتف (%1 حرفًا).</translation>
    </message>
    <message>
        <source>&amp;Copy Link</source>
        <translation>&amp;نسخ الرابط</translation>
    </message>
</context>
<context>
    <name>RunChart</name>
    <message>
        <source>tick (50 ms at 1×)</source>
        <translation>نبضة (50 ms عند 1×)</translation>
    </message>
    <message>
        <source>packets</source>
        <translation>حزم</translation>
    </message>
    <message>
        <source>Avoidance</source>
        <translation>تجنب الازدحام</translation>
    </message>
    <message>
        <source>tick %1</source>
        <translation>النبضة %1</translation>
    </message>
    <message>
        <source>Put Cursor on Tick %1</source>
        <translation>ضع المؤشر على النبضة %1</translation>
    </message>
    <message>
        <source>Rewind to Tick %1</source>
        <translation>ارجع إلى النبضة %1</translation>
    </message>
    <message>
        <source>Export Picture…</source>
        <translation>تصدير صورة…</translation>
    </message>
</context>
<context>
    <name>RunPanel</name>
    <message>
        <source>Chart and Log</source>
        <translation>الرسم البياني والسجل</translation>
    </message>
    <message>
        <source>The run the chart, the log and the CSV export show; each Reset begins a new run</source>
        <translation>التشغيل الذي يعرضه الرسم البياني والسجل وتصدير CSV؛ كل Reset يبدأ تشغيلًا جديدًا</translation>
    </message>
    <message>
        <source>Run 1 (current)</source>
        <translation>التشغيل 1 (الحالي)</translation>
    </message>
    <message>
        <source>Follow Run</source>
        <translation>تتبّع التشغيل</translation>
    </message>
    <message>
        <source>Keep the latest tick at the right edge</source>
        <translation>إبقاء آخر نبضة عند الحافة اليمنى</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>تكبير</translation>
    </message>
    <message>
        <source>Fewer ticks across the chart (%1)</source>
        <translation>نبضات أقل عبر الرسم البياني (%1)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>تصغير</translation>
    </message>
    <message>
        <source>More ticks across the chart (%1)</source>
        <translation>نبضات أكثر عبر الرسم البياني (%1)</translation>
    </message>
    <message>
        <source>Whole Run</source>
        <translation>التشغيل كله</translation>
    </message>
    <message>
        <source>Every tick so far</source>
        <translation>كل النبضات حتى الآن</translation>
    </message>
    <message>
        <source>Rewind to Cursor</source>
        <translation>الرجوع إلى المؤشر</translation>
    </message>
    <message>
        <source>Go back to the tick under the cursor and pause there; what happened after it is dropped (also: double click on the chart)</source>
        <translation>ارجع إلى النبضة التي تحت المؤشر وتوقف عندها؛ ما حدث بعدها يُحذف (وأيضًا: نقرة مزدوجة على الرسم البياني)</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>التشغيل %1</translation>
    </message>
    <message>
        <source> (current)</source>
        <translation> (الحالي)</translation>
    </message>
    <message>
        <source>  cursor: tick %1 of %2</source>
        <translation>  المؤشر: النبضة %1 من %2</translation>
    </message>
    <message>
        <source>  tick %1 (click the chart to put the cursor on a tick)</source>
        <translation>  النبضة %1 (انقر على الرسم البياني لوضع المؤشر على نبضة)</translation>
    </message>
</context>
<context>
    <name>chart</name>
    <message>
        <source>Tx window</source>
        <translation>نافذة الإرسال</translation>
    </message>
    <message>
        <source>SSThresh</source>
        <translation>SSThresh</translation>
    </message>
    <message>
        <source>Flight size</source>
        <translation>الحزم في الطريق</translation>
    </message>
    <message>
        <source>Rx window</source>
        <translation>نافذة الاستقبال</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>انتهاء المهلة</translation>
    </message>
    <message>
        <source>Fast retransmit</source>
        <translation>إعادة الإرسال السريع</translation>
    </message>
    <message>
        <source>Packet lost</source>
        <translation>حزمة مفقودة</translation>
    </message>
    <message>
        <source>ACK lost</source>
        <translation>ACK مفقود</translation>
    </message>
    <message>
        <source>State change</source>
        <translation>تغيّر الحالة</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>مُسقطة</translation>
    </message>
    <message>
        <source>Avoidance</source>
        <translation>تجنب الازدحام</translation>
    </message>
</context>
<context>
    <name>diagram</name>
    <message>
        <source>%1 (seq %2)</source>
        <translation>%1 (تسلسل %2)</translation>
    </message>
    <message>
        <source>ACK %1 dup</source>
        <translation>ACK %1 مكرر</translation>
    </message>
    <message>
        <source>ACK %1</source>
        <translation>ACK %1</translation>
    </message>
    <message>
        <source>timeout</source>
        <translation>انتهاء المهلة</translation>
    </message>
    <message>
        <source>fast retransmit</source>
        <translation>إعادة الإرسال السريع</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>drop %1</source>
        <translation>إسقاط %1</translation>
    </message>
</context>
<context>
    <name>figures</name>
    <message>
        <source>Delivered in order</source>
        <translation>المسلَّمة بالترتيب</translation>
    </message>
    <message>
        <source>Retransmissions</source>
        <translation>عمليات إعادة الإرسال</translation>
    </message>
    <message>
        <source>Timeouts</source>
        <translation>حالات انتهاء المهلة</translation>
    </message>
    <message>
        <source>Drops by the receiver</source>
        <translation>إسقاطات المستقبل</translation>
    </message>
    <message>
        <source>Goodput (per 100 ticks)</source>
        <translation>الإنتاجية الفعلية (لكل 100 نبضة)</translation>
    </message>
    <message>
        <source>Goodput, last 200 ticks</source>
        <translation>الإنتاجية الفعلية، آخر 200 نبضة</translation>
    </message>
</context>
<context>
    <name>legend</name>
    <message>
        <source>not sent yet</source>
        <translation>لم تُرسل بعد</translation>
    </message>
    <message>
        <source>queued</source>
        <translation>في الطابور</translation>
    </message>
    <message>
        <source>queued, waiting for its first trip</source>
        <translation>في الطابور، تنتظر إرسالها الأول</translation>
    </message>
    <message>
        <source>queued again to be resent</source>
        <translation>في الطابور من جديد لإعادة الإرسال</translation>
    </message>
    <message>
        <source>queued again, waiting to be resent</source>
        <translation>في الطابور من جديد، تنتظر إعادة إرسالها</translation>
    </message>
    <message>
        <source>in flight</source>
        <translation>في الطريق</translation>
    </message>
    <message>
        <source>in flight (sent once)</source>
        <translation>في الطريق (أُرسلت مرة)</translation>
    </message>
    <message>
        <source>in flight, retransmitted</source>
        <translation>في الطريق، أُعيد إرسالها</translation>
    </message>
    <message>
        <source>sent again, in flight once more</source>
        <translation>أُرسلت ثانية، في الطريق من جديد</translation>
    </message>
    <message>
        <source>marked for a selective resend</source>
        <translation>معلَّمة لإعادة إرسال انتقائية</translation>
    </message>
    <message>
        <source>marked to be resent at the next tick (selective repeat)</source>
        <translation>معلَّمة لإعادة الإرسال في النبضة التالية (تكرار انتقائي)</translation>
    </message>
    <message>
        <source>acknowledged</source>
        <translation>مؤكَّدة</translation>
    </message>
    <message>
        <source>acknowledged: done</source>
        <translation>مؤكَّدة: انتهت</translation>
    </message>
    <message>
        <source>outside the receive window</source>
        <translation>خارج نافذة الاستقبال</translation>
    </message>
    <message>
        <source>awaited</source>
        <translation>منتظَرة</translation>
    </message>
    <message>
        <source>inside the window, not here yet</source>
        <translation>داخل النافذة، لم تصل بعد</translation>
    </message>
    <message>
        <source>received</source>
        <translation>مستلَمة</translation>
    </message>
    <message>
        <source>received under another packet&apos;s number</source>
        <translation>مستلَمة برقم حزمة أخرى</translation>
    </message>
    <message>
        <source>taken in under another packet&apos;s number (too few sequence numbers)</source>
        <translation>قُبلت برقم حزمة أخرى (أرقام تسلسلية قليلة جدًا)</translation>
    </message>
    <message>
        <source>✕ lost here</source>
        <translation>✕ فُقدت هنا</translation>
    </message>
    <message>
        <source>A click on a travelling packet or ACK holds it and a click on a held one lets it go on, but until the clock has run seven ticks after such a click (350 ms at 1×, 91 ms at 4×; a paused clock runs none), any further click on a packet or ACK loses the one clicked.</source>
        <translation>النقر على حزمة أو ACK في الطريق يوقفه، والنقر على الموقوف يتركه يكمل، لكن إلى أن تمضي الساعة سبع نبضات بعد نقرة كهذه (350 ms عند 1×، و91 ms عند 4×؛ والساعة المتوقفة لا تمضي)، فإن أي نقرة أخرى على حزمة أو ACK تفقد ما نُقر عليه.</translation>
    </message>
    <message>
        <source>Flight area</source>
        <translation>منطقة العبور</translation>
    </message>
    <message>
        <source>The arrow keys pick a travelling packet or ACK, Space holds or releases it, Delete loses it.</source>
        <translation>مفاتيح الأسهم تختار حزمة أو ACK في الطريق، والمسافة توقفه أو تطلقه، وDelete يفقده.</translation>
    </message>
    <message>
        <source>Sender cells: what has happened to each packet</source>
        <translation>خلايا المرسل: ما جرى لكل حزمة</translation>
    </message>
    <message>
        <source>Timeout bar above the cell: runs down while the packet waits for its ACK; when it is empty the packet is sent again.</source>
        <translation>شريط المهلة فوق الخلية: يتناقص بينما تنتظر الحزمة ACK الخاص بها؛ وحين يفرغ تُرسل الحزمة من جديد.</translation>
    </message>
    <message>
        <source>Receiver cells: what the receiver holds</source>
        <translation>خلايا المستقبل: ما يحتفظ به المستقبل</translation>
    </message>
    <message>
        <source>Windows, packets and ACKs</source>
        <translation>النوافذ والحزم وإشعارات ACK</translation>
    </message>
    <message>
        <source>Purple frame: the sender&apos;s window (top) and the receiver&apos;s window (bottom).</source>
        <translation>الإطار البنفسجي: نافذة المرسل (في الأعلى) ونافذة المستقبل (في الأسفل).</translation>
    </message>
    <message>
        <source>Outlined packet or ACK: held by a click; it waits where it is.</source>
        <translation>حزمة أو ACK محاط بإطار: موقوف بنقرة؛ ينتظر في مكانه.</translation>
    </message>
    <message>
        <source>A held packet or ACK waits where it is (turn on state marks to outline it).</source>
        <translation>الحزمة أو ACK الموقوف ينتظر في مكانه (شغّل علامات الحالة لإحاطته بإطار).</translation>
    </message>
    <message>
        <source>A packet or ACK removed by a click leaves this mark for a moment (with state marks on). </source>
        <translation>الحزمة أو ACK الذي أُزيل بنقرة يترك هذه العلامة لحظة (مع علامات الحالة). </translation>
    </message>
    <message>
        <source>packet %1, sequence number %2, held</source>
        <translation>الحزمة %1، الرقم التسلسلي %2، موقوفة</translation>
    </message>
    <message>
        <source>packet %1, sequence number %2, travelling</source>
        <translation>الحزمة %1، الرقم التسلسلي %2، في الطريق</translation>
    </message>
    <message>
        <source>ACK for sequence number %1 (packet %2), sent when packet %3 arrived, held</source>
        <translation>ACK للرقم التسلسلي %1 (الحزمة %2)، أُرسل عند وصول الحزمة %3، موقوف</translation>
    </message>
    <message>
        <source>ACK for sequence number %1 (packet %2), sent when packet %3 arrived, travelling</source>
        <translation>ACK للرقم التسلسلي %1 (الحزمة %2)، أُرسل عند وصول الحزمة %3، في الطريق</translation>
    </message>
    <message>
        <source>ACK, held</source>
        <translation>ACK، موقوف</translation>
    </message>
    <message>
        <source>ACK, travelling</source>
        <translation>ACK، في الطريق</translation>
    </message>
    <message>
        <source>packet, held</source>
        <translation>حزمة، موقوفة</translation>
    </message>
    <message>
        <source>packet, travelling</source>
        <translation>حزمة، في الطريق</translation>
    </message>
</context>
<context>
    <name>lesson auto-rtt-timeout</name>
    <message>
        <source>A timeout with Auto RTT backing the timer off</source>
        <translation>انتهاء مهلة يطيل فيه Auto RTT المؤقت</translation>
    </message>
    <message>
        <source>Auto RTT is on and the timeout starts at 4, shorter than a round trip of 146 ticks. Packet 1 is lost at tick 15. At tick 93 packet 0&apos;s timer runs out before its ACK could return (timeout marker) and Auto RTT doubles the timeout setting to 8; packet 1 times out at tick 147 and the setting doubles again, to 16. As ACKs come back in time, Auto RTT brings the setting down step by step: 8 at tick 293, 7 at tick 304, 6 at tick 439.</source>
        <translation>Auto RTT مفعّل، والمهلة تبدأ عند 4، أقصر من رحلة ذهاب وإياب مدتها 146 نبضة. تُفقد الحزمة 1 عند النبضة 15. عند النبضة 93 ينتهي مؤقت الحزمة 0 قبل أن يتمكن ACK الخاص بها من العودة (علامة انتهاء المهلة) فيضاعف Auto RTT قيمة المهلة إلى 8؛ وتنتهي مهلة الحزمة 1 عند النبضة 147 فتتضاعف القيمة مرة أخرى إلى 16. ولأن إشعارات ACK تعود في وقتها، يخفض Auto RTT القيمة خطوة خطوة: 8 عند النبضة 293، و7 عند النبضة 304، و6 عند النبضة 439.</translation>
    </message>
    <message>
        <source>The timeout setting of 4 is shorter than a round trip. Which packets will be sent again when the first timer runs out?</source>
        <translation>قيمة المهلة 4 أقصر من رحلة ذهاب وإياب. أي الحزم ستُرسل من جديد حين ينتهي المؤقت الأول؟</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>الحزمة 1</translation>
    </message>
    <message>
        <source>packet 0</source>
        <translation>الحزمة 0</translation>
    </message>
    <message>
        <source>packets 0 to 3</source>
        <translation>الحزم 0 إلى 3</translation>
    </message>
    <message>
        <source>Packet 0 was not lost: its ACK simply had no time to come back. Its timer runs out first and it is sent again needlessly, and Auto RTT doubles the timeout setting so that it does not happen again.</source>
        <translation>لم تُفقد الحزمة 0: لم يتسع الوقت لعودة ACK الخاص بها فحسب. ينتهي مؤقتها أولًا فتُرسل من جديد بلا داعٍ، ويضاعف Auto RTT قيمة المهلة كي لا يتكرر ذلك.</translation>
    </message>
</context>
<context>
    <name>lesson fast-retransmit</name>
    <message>
        <source>Fast retransmit after three duplicate ACKs</source>
        <translation>إعادة الإرسال السريع بعد ثلاثة إشعارات ACK مكررة</translation>
    </message>
    <message>
        <source>Slow Start and Fast Retransmit are on, with the timeout at 12 as the option suggests. Packet 4 is lost at tick 230. The packets behind it each bring back a duplicate ACK asking for packet 4. The third duplicate arrives at tick 450: the sender resends packet 4 at once, without waiting for its timer (fast-retransmit marker), sets the threshold to half the 6 packets in flight, 3, and keeps sending. The first ACK that is not a duplicate ends fast recovery at tick 596.</source>
        <translation>البدء البطيء وإعادة الإرسال السريع مفعّلان، والمهلة عند 12 كما يقترح الخيار. تُفقد الحزمة 4 عند النبضة 230. كل حزمة بعدها تعيد ACK مكررًا يطلب الحزمة 4. يصل التكرار الثالث عند النبضة 450: يعيد المرسل إرسال الحزمة 4 فورًا دون انتظار مؤقتها (علامة إعادة الإرسال السريع)، ويضبط العتبة على نصف الحزم الـ 6 التي في الطريق، أي 3، ويواصل الإرسال. أول ACK ليس مكررًا ينهي الاسترداد السريع عند النبضة 596.</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet 4 is on its way. Which packets will be sent again?</source>
        <translation>ACK المكرر الثالث الذي يطلب الحزمة 4 في الطريق. أي الحزم ستُرسل من جديد؟</translation>
    </message>
    <message>
        <source>packet 4</source>
        <translation>الحزمة 4</translation>
    </message>
    <message>
        <source>packets 4 to 9</source>
        <translation>الحزم 4 إلى 9</translation>
    </message>
    <message>
        <source>packet 5</source>
        <translation>الحزمة 5</translation>
    </message>
    <message>
        <source>Three duplicate ACKs tell the sender that one packet is missing and the ones behind it arrived: it resends only that packet at once, without waiting for its timer.</source>
        <translation>ثلاثة إشعارات ACK مكررة تخبر المرسل بأن حزمة واحدة مفقودة وأن ما بعدها وصل: فيعيد إرسال تلك الحزمة وحدها فورًا دون انتظار مؤقتها.</translation>
    </message>
    <message>
        <source>The first ACK after the fast retransmit is on its way. What will SSThresh be?</source>
        <translation>أول ACK بعد إعادة الإرسال السريع في الطريق. كم ستكون SSThresh؟</translation>
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
        <translation>إعادة الإرسال السريع تضبط العتبة على نصف الحزم التي في الطريق، لكنها تواصل الإرسال بدل البدء من جديد بحزمة واحدة.</translation>
    </message>
</context>
<context>
    <name>lesson go-back-n</name>
    <message>
        <source>Go-back-N (textbook) recovering one lost packet</source>
        <translation>العودة بمقدار N (كما في الكتب) تستعيد حزمة مفقودة</translation>
    </message>
    <message>
        <source>Go-back-N as the textbooks teach it: on a timeout the sender goes back and sends every unacknowledged packet again, and the receiver keeps only in-order packets. Packet 1 is lost at tick 15 (double click). Packets 2, 3 and 4 arrive after the gap and are thrown away (ticks 96, 107 and 220), so every ACK keeps asking for packet 1. At tick 174 packet 1&apos;s timer runs out (timeout marker): the sender goes back and queues packets 1, 2, 3 and 4 again (&quot;Going back: retransmitting packet&quot;, ticks 174 to 176). They arrive in order, by tick 280 the receiver asks for packet 5, and nothing is dropped after that. One loss costs one window of retransmissions, once.</source>
        <translation>العودة بمقدار N كما تدرّسها الكتب: عند انتهاء المهلة يعود المرسل ويرسل من جديد كل حزمة غير مؤكدة، ولا يقبل المستقبل إلا الحزم المرتبة. تُفقد الحزمة 1 عند النبضة 15 (نقرة مزدوجة). تصل الحزم 2 و3 و4 بعد الفجوة فتُسقط (النبضات 96 و107 و220)، فيظل كل ACK يطلب الحزمة 1. عند النبضة 174 ينتهي مؤقت الحزمة 1 (علامة انتهاء المهلة): يعود المرسل ويضع الحزم 1 و2 و3 و4 في الطابور من جديد («Going back: retransmitting packet»، النبضات 174 إلى 176). تصل بالترتيب، وبحلول النبضة 280 يطلب المستقبل الحزمة 5، ولا يُسقط شيء بعد ذلك. الفقد الواحد يكلّف نافذة كاملة من إعادات الإرسال، مرة واحدة.</translation>
    </message>
    <message>
        <source>Packet 1 was lost. A packet after the gap arrives at the in-order receiver. Which packet will the receiver ask for next?</source>
        <translation>فُقدت الحزمة 1. تصل حزمة بعد الفجوة إلى المستقبل المرتِّب. أي حزمة سيطلب المستقبل تاليًا؟</translation>
    </message>
    <message>
        <source>packet 3</source>
        <translation>الحزمة 3</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>الحزمة 1</translation>
    </message>
    <message>
        <source>packet 4</source>
        <translation>الحزمة 4</translation>
    </message>
    <message>
        <source>The in-order receiver throws away a packet it did not expect and asks again for the one it is waiting for: every ACK names the next packet wanted, here still packet 1.</source>
        <translation>المستقبل المرتِّب يُسقط حزمة لم يكن ينتظرها ويطلب من جديد التي ينتظرها: كل ACK يسمّي الحزمة التالية المطلوبة، وهي هنا لا تزال الحزمة 1.</translation>
    </message>
</context>
<context>
    <name>lesson go-back-n-original-receiver</name>
    <message>
        <source>Go-back-N sender with a receiver that keeps out-of-order packets</source>
        <translation>مرسل بالعودة بمقدار N مع مستقبل يحتفظ بالحزم غير المرتبة</translation>
    </message>
    <message>
        <source>The same loss as the go-back-N lesson, but with the original sender and receiver: the sender resends only the packet whose timer ran out, and the receiver keeps packets that arrive after a gap. Packet 1 is lost at tick 15; packets 2, 3 and 4 are kept. At tick 174 packet 1 times out and is sent again, and when it arrives (tick 247) one cumulative ACK asks for packet 5: everything up to 4 is acknowledged at once. Only the lost packet was sent twice, so this sender behaves almost like selective repeat; the difference is that it needed a timeout to learn of the loss.</source>
        <translation>الفقد نفسه كما في درس العودة بمقدار N، لكن مع المرسل والمستقبل الأصليين: لا يعيد المرسل إلا إرسال الحزمة التي انتهى مؤقتها، ويحتفظ المستقبل بالحزم التي تصل بعد فجوة. تُفقد الحزمة 1 عند النبضة 15؛ ويُحتفظ بالحزم 2 و3 و4. عند النبضة 174 تنتهي مهلة الحزمة 1 فتُرسل من جديد، وحين تصل (النبضة 247) يطلب ACK تراكمي واحد الحزمة 5: كل ما حتى 4 مؤكد دفعة واحدة. لم تُرسل مرتين إلا الحزمة المفقودة، فيتصرف هذا المرسل تقريبًا كالتكرار الانتقائي؛ والفرق أنه احتاج إلى انتهاء مهلة كي يعلم بالفقد.</translation>
    </message>
    <message>
        <source>Packet 1&apos;s timer is about to run out. Which packets will be sent again?</source>
        <translation>مؤقت الحزمة 1 على وشك الانتهاء. أي الحزم ستُرسل من جديد؟</translation>
    </message>
    <message>
        <source>packets 1 to 4</source>
        <translation>الحزم 1 إلى 4</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>الحزمة 1</translation>
    </message>
    <message>
        <source>packet 2</source>
        <translation>الحزمة 2</translation>
    </message>
    <message>
        <source>The original sender resends only the packet whose timer ran out. The receiver kept packets 2 to 4, so when packet 1 arrives one cumulative ACK covers them all.</source>
        <translation>المرسل الأصلي لا يعيد إلا إرسال الحزمة التي انتهى مؤقتها. احتفظ المستقبل بالحزم 2 إلى 4، فحين تصل الحزمة 1 يغطيها جميعًا ACK تراكمي واحد.</translation>
    </message>
</context>
<context>
    <name>lesson lost-ack</name>
    <message>
        <source>A lost ACK covered by the next cumulative ACK</source>
        <translation>ACK مفقود يغطيه ACK التراكمي التالي</translation>
    </message>
    <message>
        <source>At tick 80 the ACK asking for packet 1 is lost (double click on it; ACK-lost marker). Nothing needs resending: the next ACK, asking for packet 2, arrives a few ticks later and acknowledges packets 0 and 1 together, because every ACK names the next packet the receiver wants. No timeout happens in the whole run.</source>
        <translation>عند النبضة 80 يُفقد ACK الذي يطلب الحزمة 1 (نقرة مزدوجة عليه؛ علامة فقد ACK). لا شيء يحتاج إلى إعادة إرسال: يصل ACK التالي الذي يطلب الحزمة 2 بعد نبضات قليلة ويؤكد الحزمتين 0 و1 معًا، لأن كل ACK يسمّي الحزمة التالية التي يريدها المستقبل. لا تنتهي أي مهلة طوال التشغيل.</translation>
    </message>
    <message>
        <source>The ACK asking for packet 1 was lost. What will the sender do about packet 0?</source>
        <translation>فُقد ACK الذي يطلب الحزمة 1. ماذا سيفعل المرسل بالحزمة 0؟</translation>
    </message>
    <message>
        <source>Resend packet 0 when its timer runs out</source>
        <translation>يعيد إرسال الحزمة 0 حين ينتهي مؤقتها</translation>
    </message>
    <message>
        <source>Nothing: the next ACK acknowledges it too</source>
        <translation>لا شيء: ACK التالي يؤكدها أيضًا</translation>
    </message>
    <message>
        <source>Resend packets 0 and 1 at once</source>
        <translation>يعيد إرسال الحزمتين 0 و1 فورًا</translation>
    </message>
    <message>
        <source>Every ACK names the next packet the receiver wants, so the ACK asking for packet 2 acknowledges packets 0 and 1 together: a lost ACK costs nothing when another follows in time.</source>
        <translation>كل ACK يسمّي الحزمة التالية التي يريدها المستقبل، فيؤكد ACK الذي يطلب الحزمة 2 الحزمتين 0 و1 معًا: فقد ACK لا يكلّف شيئًا إذا تبعه آخر في وقته.</translation>
    </message>
</context>
<context>
    <name>lesson one-at-a-time</name>
    <message>
        <source>One packet at a time against a window of eight</source>
        <translation>حزمة واحدة في كل مرة مقابل نافذة من ثماني حزم</translation>
    </message>
    <message>
        <source>The transmit window starts at one packet: the sender puts packet 0 on the wire and waits 146 ticks for its ACK before packet 1 may leave, so the line stands idle most of the time. At tick 350 the Tx Window Size slider moves to 8 and the sender fills the pipe: eight packets travel at once, and as many ACKs come back as fast as they can. Compare how far the sender strip has got at tick 350 and at tick 700.</source>
        <translation>تبدأ نافذة الإرسال بحزمة واحدة: يضع المرسل الحزمة 0 على الخط وينتظر ACK الخاص بها 146 نبضة قبل أن يُسمح للحزمة 1 بالانطلاق، فيبقى الخط خاملًا معظم الوقت. عند النبضة 350 يتحرك منزلق حجم نافذة الإرسال إلى 8 ويملأ المرسل القناة: ثماني حزم تسافر معًا، ويعود مثلها من إشعارات ACK بأسرع ما يمكن. قارن إلى أين وصل شريط المرسل عند النبضة 350 وعند النبضة 700.</translation>
    </message>
    <message>
        <source>The Tx Window Size slider moves from 1 to 8 at tick 350. How many packets will travel at once soon after?</source>
        <translation>يتحرك منزلق حجم نافذة الإرسال من 1 إلى 8 عند النبضة 350. كم حزمة ستسافر معًا بعد ذلك بقليل؟</translation>
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
        <translation>نافذة الإرسال هي عدد الحزم التي يجوز أن تكون مرسلة وغير مؤكدة بعد. عند 8 يضع المرسل ثماني حزم على الخط دون انتظار، فيكون الخط مشغولًا بدل أن يكون خاملًا.</translation>
    </message>
</context>
<context>
    <name>lesson same-losses</name>
    <message>
        <source>Same losses, three protocols</source>
        <translation>الفقد نفسه، ثلاثة بروتوكولات</translation>
    </message>
    <message>
        <source>Three protocols run side by side from one clock, and the network loses 5 % of the packets in each, drawn from seed 7: whether a packet is lost depends only on its number and which transmission of it this is, so the same packets are lost under all three. Packets 9, 15 and 18 are lost under every protocol; go-back-N and selective repeat lose 9 at tick 195 and 15 at tick 261, stop-and-wait only reaches packet 9 at tick 1352. Stop-and-wait has one packet in flight, so every packet costs a whole round trip and a loss a whole timeout. Go-back-N sends eight at a time, but after a timeout it sends the whole window again and its in-order receiver drops what arrived after the gap; those resends are drawn again, so some of them are lost too (packet 16&apos;s second transmission, at tick 434). Selective repeat resends only the packet that was lost and keeps the rest. Watch the timeout markers and the resend colours in each window, and the figures table.

At tick 3000 (goodput: packets delivered in order per 100 ticks): Stop-and-wait: 18 delivered, 2 retransmissions, goodput 0.6. Go-back-N (textbook): 92 delivered, 80 retransmissions, goodput 3.1. Selective repeat: 115 delivered, 8 retransmissions, goodput 3.8.</source>
        <translation>تعمل ثلاثة بروتوكولات جنبًا إلى جنب بساعة واحدة، وتفقد الشبكة 5 % من حزم كل منها، مسحوبة بالبذرة 7: فقد الحزمة يتوقف فقط على رقمها وعلى ترتيب هذا الإرسال لها، فتُفقد الحزم نفسها في الثلاثة. تُفقد الحزم 9 و15 و18 مع كل بروتوكول؛ العودة بمقدار N والتكرار الانتقائي يفقدان 9 عند النبضة 195 و15 عند النبضة 261، أما التوقف والانتظار فلا يبلغ الحزمة 9 إلا عند النبضة 1352. التوقف والانتظار لديه حزمة واحدة في الطريق، فكل حزمة تكلّف رحلة ذهاب وإياب كاملة والفقد مهلة كاملة. العودة بمقدار N ترسل ثماني حزم في كل مرة، لكنها بعد انتهاء المهلة تعيد إرسال النافذة كلها، ومستقبلها المرتِّب يُسقط ما وصل بعد الفجوة؛ وتُسحب إعادات الإرسال هذه من جديد فيُفقد بعضها أيضًا (الإرسال الثاني للحزمة 16، عند النبضة 434). التكرار الانتقائي لا يعيد إلا الحزمة المفقودة ويحتفظ بالباقي. راقب علامات انتهاء المهلة وألوان إعادات الإرسال في كل نافذة، وجدول الأرقام.

عند النبضة 3000 (الإنتاجية الفعلية: الحزم المسلَّمة بالترتيب لكل 100 نبضة): التوقف والانتظار: 18 مسلَّمة، 2 إعادة إرسال، الإنتاجية الفعلية 0.6. العودة بمقدار N (كما في الكتب): 92 مسلَّمة، 80 إعادة إرسال، الإنتاجية الفعلية 3.1. التكرار الانتقائي: 115 مسلَّمة، 8 إعادات إرسال، الإنتاجية الفعلية 3.8.</translation>
    </message>
    <message>
        <source>Stop-and-wait</source>
        <translation>التوقف والانتظار</translation>
    </message>
    <message>
        <source>Packet 9 was lost at tick 1352 and its timer runs out now. What does the stop-and-wait sender send again?</source>
        <translation>فُقدت الحزمة 9 عند النبضة 1352 وينتهي مؤقتها الآن. ماذا يعيد مرسل التوقف والانتظار إرساله؟</translation>
    </message>
    <message>
        <source>packet 9</source>
        <translation>الحزمة 9</translation>
    </message>
    <message>
        <source>packets 9 to 16</source>
        <translation>الحزم 9 إلى 16</translation>
    </message>
    <message>
        <source>packet 10</source>
        <translation>الحزمة 10</translation>
    </message>
    <message>
        <source>Stop-and-wait never has more than one packet in flight, so a timeout costs it one resend, but a whole timeout&apos;s wait. Go-back-N lost the same packet 9 at tick 195 and sent packets 9 to 16 again from tick 320.</source>
        <translation>التوقف والانتظار لا يكون لديه أبدًا أكثر من حزمة واحدة في الطريق، فانتهاء المهلة يكلّفه إعادة إرسال واحدة، لكن بانتظار مهلة كاملة. العودة بمقدار N فقدت الحزمة 9 نفسها عند النبضة 195 وأعادت إرسال الحزم 9 إلى 16 بدءًا من النبضة 320.</translation>
    </message>
    <message>
        <source>Go-back-N (textbook)</source>
        <translation>العودة بمقدار N (كما في الكتب)</translation>
    </message>
    <message>
        <source>Selective repeat</source>
        <translation>التكرار الانتقائي</translation>
    </message>
</context>
<context>
    <name>lesson selective-repeat</name>
    <message>
        <source>The same loss under selective repeat</source>
        <translation>الفقد نفسه مع التكرار الانتقائي</translation>
    </message>
    <message>
        <source>Selective Repeat is on. Packet 1 is lost at tick 15. The sender keeps sending while the receiver holds packets 2 and up. At tick 169 the sender enters the Selective state, and at tick 180 packet 1&apos;s timer runs out and only packet 1 is sent again (timeout marker). When its ACK returns the window opens fully again (back to Normal at tick 326).</source>
        <translation>التكرار الانتقائي مفعّل. تُفقد الحزمة 1 عند النبضة 15. يواصل المرسل الإرسال بينما يحتفظ المستقبل بالحزم من 2 فصاعدًا. عند النبضة 169 يدخل المرسل حالة Selective، وعند النبضة 180 ينتهي مؤقت الحزمة 1 ولا يُعاد إلا إرسال الحزمة 1 (علامة انتهاء المهلة). وحين يعود ACK الخاص بها تنفتح النافذة كليًا من جديد (العودة إلى Normal عند النبضة 326).</translation>
    </message>
    <message>
        <source>The resent packet 1 reaches the receiver, which holds packets 2 and up. Which packet will the receiver ask for next?</source>
        <translation>تصل الحزمة 1 المعاد إرسالها إلى المستقبل الذي يحتفظ بالحزم من 2 فصاعدًا. أي حزمة سيطلب المستقبل تاليًا؟</translation>
    </message>
    <message>
        <source>packet 2</source>
        <translation>الحزمة 2</translation>
    </message>
    <message>
        <source>packet 6</source>
        <translation>الحزمة 6</translation>
    </message>
    <message>
        <source>packet 7</source>
        <translation>الحزمة 7</translation>
    </message>
    <message>
        <source>The arrival fills the gap: the receiver takes in packet 1 and everything it held after it, and its ACK asks for the first packet it has not got.</source>
        <translation>الوصول يملأ الفجوة: يقبل المستقبل الحزمة 1 وكل ما احتفظ به بعدها، ويطلب ACK الخاص به أول حزمة لم تصله.</translation>
    </message>
</context>
<context>
    <name>lesson slow-start</name>
    <message>
        <source>Slow start up to the threshold, then avoidance</source>
        <translation>البدء البطيء حتى العتبة، ثم تجنب الازدحام</translation>
    </message>
    <message>
        <source>Slow Start and Avoidance are on, the receive window is 16. The window starts at 2 and grows by one packet for every ACK: 4 at tick 158, 8 at tick 326. Packet 6 is lost at tick 330; its timeout at tick 455, with 8 packets in flight, sets the threshold to half of them, 4, and drops the window to 1. Slow start brings it back up to the threshold (4 at tick 904); from there congestion avoidance adds only a fraction of a packet per ACK (4.25 at tick 1039): watch the slope change on the chart. The textbooks&apos; rule grows the window by about one packet per round trip; here the window figure snaps up to the next whole packet as soon as it rounds to it, as in the original program (5 at tick 1061, 8 at tick 1375), which makes about 1.4 packets per round trip of 146 ticks.</source>
        <translation>البدء البطيء وتجنب الازدحام مفعّلان، ونافذة الاستقبال 16. تبدأ النافذة عند 2 وتكبر بحزمة مع كل ACK: 4 عند النبضة 158، و8 عند النبضة 326. تُفقد الحزمة 6 عند النبضة 330؛ وانتهاء مهلتها عند النبضة 455، مع 8 حزم في الطريق، يضبط العتبة على نصفها، أي 4، ويُنزل النافذة إلى 1. يعيدها البدء البطيء إلى العتبة (4 عند النبضة 904)؛ ومن هناك لا يضيف تجنب الازدحام إلا جزءًا من حزمة لكل ACK (4.25 عند النبضة 1039): راقب تغيّر الميل على الرسم البياني. قاعدة الكتب تكبّر النافذة نحو حزمة واحدة لكل رحلة ذهاب وإياب؛ أما هنا فيقفز رقم النافذة إلى الحزمة الكاملة التالية بمجرد أن يُقرَّب إليها، كما في البرنامج الأصلي (5 عند النبضة 1061، و8 عند النبضة 1375)، فيكون النمو نحو 1.4 حزمة لكل رحلة ذهاب وإياب مدتها 146 نبضة.</translation>
    </message>
    <message>
        <source>In slow start the window grows by one packet for every ACK. The next ACK arrives soon. What will the Tx Window Size be?</source>
        <translation>في البدء البطيء تكبر النافذة بحزمة مع كل ACK. يصل ACK التالي قريبًا. كم سيكون حجم نافذة الإرسال؟</translation>
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
        <translation>البدء البطيء يضيف حزمة إلى النافذة مع كل ACK ما دامت النافذة دون SSThresh، فتتضاعف كل رحلة ذهاب وإياب.</translation>
    </message>
    <message>
        <source>Packet 6 was lost, and its timer is about to run out with 8 packets in flight. What will SSThresh be?</source>
        <translation>فُقدت الحزمة 6، ومؤقتها على وشك الانتهاء مع 8 حزم في الطريق. كم ستكون SSThresh؟</translation>
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
        <translation>عند انتهاء المهلة تصبح SSThresh نصف الحزم التي في الطريق، وتهبط النافذة إلى حزمة واحدة: ثم يصعد البدء البطيء عائدًا إلى العتبة.</translation>
    </message>
</context>
<context>
    <name>lesson small-sequence-space</name>
    <message>
        <source>A sequence space too small for the window</source>
        <translation>فضاء تسلسلي أصغر من أن يتسع للنافذة</translation>
    </message>
    <message>
        <source>The highest sequence number is 3, so there are only four sequence numbers, but the windows are six packets. Packets 0 and 4 both carry sequence number 0, packets 1 and 5 both carry 1. Packet 1 is lost at tick 15; the ACKs that come back cannot say which packet they mean. Packet 1 times out at tick 174 and is resent, and at tick 320 the sender resends packet 3, which the receiver already had: it has read an ACK for the wrong packet. The sequence space must be at least twice the window to avoid this.</source>
        <translation>أعلى رقم تسلسلي هو 3، فلا توجد إلا أربعة أرقام تسلسلية، لكن النوافذ ست حزم. الحزمتان 0 و4 تحملان كلتاهما الرقم التسلسلي 0، والحزمتان 1 و5 كلتاهما 1. تُفقد الحزمة 1 عند النبضة 15؛ ولا تستطيع إشعارات ACK العائدة أن تقول أي حزمة تقصد. تنتهي مهلة الحزمة 1 عند النبضة 174 فتُرسل من جديد، وعند النبضة 320 يعيد المرسل إرسال الحزمة 3 التي كانت لدى المستقبل أصلًا: لقد نسب ACK إلى الحزمة الخطأ. يجب أن يكون الفضاء التسلسلي ضعف النافذة على الأقل لتجنب ذلك.</translation>
    </message>
    <message>
        <source>Packet 1 was lost and its timer is about to run out. Which packets will be sent again?</source>
        <translation>فُقدت الحزمة 1 ومؤقتها على وشك الانتهاء. أي الحزم ستُرسل من جديد؟</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>الحزمة 1</translation>
    </message>
    <message>
        <source>packet 5</source>
        <translation>الحزمة 5</translation>
    </message>
    <message>
        <source>packets 1 to 6</source>
        <translation>الحزم 1 إلى 6</translation>
    </message>
    <message>
        <source>The timer belongs to packet 1, so packet 1 is resent. But packet 5 carries the same sequence number, 1: with only four numbers for a window of six, the ACKs cannot tell them apart.</source>
        <translation>المؤقت للحزمة 1، فتُرسل الحزمة 1 من جديد. لكن الحزمة 5 تحمل الرقم التسلسلي نفسه، 1: مع أربعة أرقام فقط لنافذة من ست، لا تستطيع إشعارات ACK التمييز بينهما.</translation>
    </message>
</context>
<context>
    <name>lesson tahoe-vs-reno</name>
    <message>
        <source>Tahoe against Reno: one loss, two answers to three duplicate ACKs</source>
        <translation>Tahoe مقابل Reno: فقد واحد، وجوابان عن ثلاثة إشعارات ACK مكررة</translation>
    </message>
    <message>
        <source>Tahoe-like and Reno-like TCP side by side from one clock, with the same settings but for Tahoe&apos;s rule, and the same planned loss (p10): packet 10 is lost at tick 374 in both, while the window is 8 and still growing. The packets behind it keep arriving, each bringing back a duplicate ACK asking for packet 10, and the third one arrives at tick 516 in both (fast-retransmit marker), with the window at 12 and 11 packets in flight. Both resend packet 10 at once and set SSThresh to half the flight size, 5.5. Here they part.

Tahoe starts again from a window of 1, in slow start, and further duplicates change nothing. The ACK for the resend reaches it at tick 662 and asks for packet 21: the receiver had kept every packet behind the lost one, so the go-back-N sender has nothing more to send again. Its window climbs from there: 2 at tick 662, 4 at tick 819, 6 at tick 965.

Reno halves the window and adds three for the packets that left the network (9 at tick 516), inflates it by one for each further duplicate (16 at tick 651) and keeps sending; the first new ACK ends fast recovery at tick 673 with the window back at the threshold, kept as 5 whole packets. Both run with the timeout of 12 that Fast Retransmit sets, and neither times out: the difference is the fast retransmit alone.

At tick 1500 (goodput: packets delivered in order per 100 ticks): Tahoe-like TCP: 54 delivered, 1 retransmission, goodput 3.6. Reno-like TCP: 71 delivered, 1 retransmission, goodput 4.7.</source>
        <translation>TCP على طريقة Tahoe وعلى طريقة Reno جنبًا إلى جنب بساعة واحدة، بالإعدادات نفسها باستثناء قاعدة Tahoe، وبالفقد المخطط نفسه (p10): تُفقد الحزمة 10 عند النبضة 374 في الاثنين، والنافذة 8 ولا تزال تكبر. تواصل الحزم التي بعدها الوصول، وكل منها يعيد ACK مكررًا يطلب الحزمة 10، ويصل الثالث عند النبضة 516 في الاثنين (علامة إعادة الإرسال السريع)، والنافذة 12 و11 حزمة في الطريق. يعيد كلاهما إرسال الحزمة 10 فورًا ويضبطان SSThresh على نصف الحزم التي في الطريق، أي 5.5. هنا يفترقان.

يبدأ Tahoe من جديد بنافذة 1، في البدء البطيء، ولا تغيّر التكرارات اللاحقة شيئًا. يصله ACK إعادة الإرسال عند النبضة 662 ويطلب الحزمة 21: كان المستقبل قد احتفظ بكل حزمة بعد المفقودة، فلا يبقى لمرسل العودة بمقدار N ما يعيد إرساله. تصعد نافذته من هناك: 2 عند النبضة 662، و4 عند النبضة 819، و6 عند النبضة 965.

يقسم Reno النافذة على اثنين ويضيف ثلاثًا للحزم التي غادرت الشبكة (9 عند النبضة 516)، وينفخها بواحدة مع كل تكرار لاحق (16 عند النبضة 651) ويواصل الإرسال؛ وأول ACK جديد ينهي الاسترداد السريع عند النبضة 673 والنافذة عائدة إلى العتبة، مقرّبة إلى 5 حزم كاملة. يعمل الاثنان بالمهلة 12 التي تضبطها إعادة الإرسال السريع، ولا تنتهي مهلة أي منهما: الفرق هو إعادة الإرسال السريع وحدها.

عند النبضة 1500 (الإنتاجية الفعلية: الحزم المسلَّمة بالترتيب لكل 100 نبضة): TCP على طريقة Tahoe: 54 مسلَّمة، 1 إعادة إرسال، الإنتاجية الفعلية 3.6. TCP على طريقة Reno: 71 مسلَّمة، 1 إعادة إرسال، الإنتاجية الفعلية 4.7.</translation>
    </message>
    <message>
        <source>Tahoe-like TCP</source>
        <translation>TCP على طريقة Tahoe</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet 10 is on its way to the Tahoe-like sender, whose window is 12. What will its Tx Window Size be?</source>
        <translation>ACK المكرر الثالث الذي يطلب الحزمة 10 في طريقه إلى المرسل على طريقة Tahoe، ونافذته 12. كم سيكون حجم نافذة الإرسال لديه؟</translation>
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
        <translation>قاعدة Tahoe تعيد إرسال الحزمة الناقصة وتبدأ البدء البطيء من جديد بنافذة من حزمة واحدة. أما Reno بجانبه فيقسم النافذة على اثنين ويضيف ثلاثًا، أي 9، ويتعافى دون توقف.</translation>
    </message>
    <message>
        <source>Reno-like TCP</source>
        <translation>TCP على طريقة Reno</translation>
    </message>
</context>
<context>
    <name>lessons</name>
    <message>
        <source>There is no lesson called &quot;%1&quot;.</source>
        <translation>لا يوجد درس باسم «%1».</translation>
    </message>
</context>
<context>
    <name>links</name>
    <message>
        <source>Ignored %1=%2 in the link (%3); kept the start-up setting.</source>
        <translation>تم تجاهل %1=%2 في الرابط (%3)؛ بقي إعداد البدء.</translation>
    </message>
    <message>
        <source>Ignored the unknown parameter &quot;%1&quot; in the link.</source>
        <translation>تم تجاهل المعامل غير المعروف «%1» في الرابط.</translation>
    </message>
    <message>
        <source>Ignored %1=%2 in the link: the lesson brings its own settings.</source>
        <translation>تم تجاهل %1=%2 في الرابط: الدرس يأتي بإعداداته.</translation>
    </message>
    <message>
        <source>Ignored lesson=%1 in the link. %2 The lessons are %3.</source>
        <translation>تم تجاهل lesson=%1 في الرابط. %2 الدروس هي %3.</translation>
    </message>
    <message>
        <source>the protocols are %1</source>
        <translation>البروتوكولات هي %1</translation>
    </message>
    <message>
        <source>not every option can be set that way</source>
        <translation>لا يمكن ضبط كل خيار بهذه الطريقة</translation>
    </message>
    <message>
        <source>options are slowstart, avoidance, fastretransmit, selective, delayedack</source>
        <translation>الخيارات هي slowstart وavoidance وfastretransmit وselective وdelayedack</translation>
    </message>
    <message>
        <source>use 1 or 0</source>
        <translation>استخدم 1 أو 0</translation>
    </message>
    <message>
        <source>the box cannot be changed now</source>
        <translation>لا يمكن تغيير المربع الآن</translation>
    </message>
    <message>
        <source>use a whole number from %1 to %2</source>
        <translation>استخدم عددًا صحيحًا من %1 إلى %2</translation>
    </message>
    <message>
        <source>the languages are %1</source>
        <translation>اللغات هي %1</translation>
    </message>
    <message>
        <source>use 0.25, 0.5, 1, 2 or 4</source>
        <translation>استخدم 0.25 أو 0.5 أو 1 أو 2 أو 4</translation>
    </message>
    <message>
        <source>And %1 more parameter of the link ignored.</source>
        <translation>وتم تجاهل %1 معامل آخر من الرابط.</translation>
    </message>
    <message>
        <source>And %1 more parameters of the link ignored.</source>
        <translation>وتم تجاهل %1 معاملات أخرى من الرابط.</translation>
    </message>
    <message>
        <source>This run makes a link of %1 characters, too long for a browser&apos;s address bar (%2 at most): save it as a run file and share the file instead.</source>
        <translation>هذا التشغيل ينتج رابطًا من %1 حرفًا، أطول من أن يتسع له شريط عنوان المتصفح (%2 على الأكثر): احفظه ملفَّ تشغيل وشارك الملف بدلًا من ذلك.</translation>
    </message>
    <message>
        <source>The link to this run has %1 characters, more than a QR code holds (%2): share the link itself or the run file instead.</source>
        <translation>رابط هذا التشغيل فيه %1 حرفًا، أكثر مما يتسع له رمز QR (%2): شارك الرابط نفسه أو ملف التشغيل بدلًا من ذلك.</translation>
    </message>
    <message>
        <source>The run in this link cannot be opened. The link is damaged: part of it may have been cut off when it was copied. Copy the whole link again.</source>
        <translation>لا يمكن فتح التشغيل الذي في هذا الرابط. الرابط تالف: ربما قُطع جزء منه عند نسخه. انسخ الرابط كاملًا مرة أخرى.</translation>
    </message>
    <message>
        <source>The run in this link cannot be opened. %1</source>
        <translation>لا يمكن فتح التشغيل الذي في هذا الرابط. %1</translation>
    </message>
    <message>
        <source>the code on the projector gives the whole link</source>
        <translation>الرمز المعروض على جهاز العرض يعطي الرابط كاملًا</translation>
    </message>
</context>
<context>
    <name>log</name>
    <message>
        <source>packet %1 dropped: out of order</source>
        <translation>الحزمة %1 مُسقطة: خارج الترتيب</translation>
    </message>
    <message>
        <source>%1: the clock is paused; Cont goes on as a live run</source>
        <translation>%1: الساعة متوقفة؛ Cont يكمل كتشغيل حي</translation>
    </message>
    <message>
        <source>Your own action at tick %1: the recorded run from here on is dropped and this run goes on as a new branch</source>
        <translation>إجراؤك أنت عند النبضة %1: يُحذف التشغيل المسجَّل من هنا فصاعدًا ويستمر هذا التشغيل فرعًا جديدًا</translation>
    </message>
    <message>
        <source>Opened the run file (%1 ticks): it plays as recorded while the clock runs; an action of your own branches it</source>
        <translation>فُتح ملف التشغيل (%1 نبضة): يُعاد كما سُجّل بينما تعمل الساعة؛ وأي إجراء منك يفرّعه</translation>
    </message>
    <message>
        <source>Opened &quot;%2&quot; (%1 ticks): it plays as recorded while the clock runs; an action of your own branches it</source>
        <translation>فُتح «%2» (%1 نبضة): يُعاد كما سُجّل بينما تعمل الساعة؛ وأي إجراء منك يفرّعه</translation>
    </message>
    <message>
        <source>Run %1 dropped from the record to stay within the memory budget (%2)</source>
        <translation>حُذف التشغيل %1 من السجل للبقاء ضمن ميزانية الذاكرة (%2)</translation>
    </message>
    <message>
        <source>Ticks %1 to %2 of this run dropped to stay within the memory budget (%3): rewinds now reach back to tick %4</source>
        <translation>حُذفت النبضات %1 إلى %2 من هذا التشغيل للبقاء ضمن ميزانية الذاكرة (%3): يصل الرجوع الآن حتى النبضة %4</translation>
    </message>
    <message>
        <source>packet %1 lost</source>
        <translation>الحزمة %1 مفقودة</translation>
    </message>
    <message>
        <source>ACK asking for sequence number %1 lost</source>
        <translation>ACK الذي يطلب الرقم التسلسلي %1 مفقود</translation>
    </message>
    <message>
        <source>packet %1 held</source>
        <translation>الحزمة %1 موقوفة</translation>
    </message>
    <message>
        <source>ACK asking for sequence number %1 held</source>
        <translation>ACK الذي يطلب الرقم التسلسلي %1 موقوف</translation>
    </message>
    <message>
        <source>packet %1 released</source>
        <translation>الحزمة %1 أُطلقت</translation>
    </message>
    <message>
        <source>ACK asking for sequence number %1 released</source>
        <translation>ACK الذي يطلب الرقم التسلسلي %1 أُطلق</translation>
    </message>
    <message>
        <source>timeout set to %1</source>
        <translation>ضُبطت المهلة على %1</translation>
    </message>
    <message>
        <source>transmit window set to %1</source>
        <translation>ضُبطت نافذة الإرسال على %1</translation>
    </message>
    <message>
        <source>receive window set to %1</source>
        <translation>ضُبطت نافذة الاستقبال على %1</translation>
    </message>
    <message>
        <source>highest sequence number set to %1</source>
        <translation>ضُبط أعلى رقم تسلسلي على %1</translation>
    </message>
    <message>
        <source>%1 pressed</source>
        <translation>ضُغط %1</translation>
    </message>
    <message>
        <source>%1 on</source>
        <translation>%1 مفعّل</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1 معطّل</translation>
    </message>
</context>
<context>
    <name>losses</name>
    <message>
        <source>A plan holds at most %1 losses.</source>
        <translation>الخطة تضم %1 حالات فقد على الأكثر.</translation>
    </message>
    <message>
        <source>The planned loss &quot;%1&quot; is not p or a with a packet number, such as p5, p7.2 or a9.</source>
        <translation>الفقد المخطط «%1» ليس p أو a متبوعًا برقم حزمة، مثل p5 أو p7.2 أو a9.</translation>
    </message>
    <message>
        <source>packet %1</source>
        <translation>الحزمة %1</translation>
    </message>
    <message>
        <source>the ACK for packet %1</source>
        <translation>ACK للحزمة %1</translation>
    </message>
    <message>
        <source>packet %1 (transmission %2)</source>
        <translation>الحزمة %1 (الإرسال %2)</translation>
    </message>
    <message>
        <source>the ACK for packet %1 (transmission %2)</source>
        <translation>ACK للحزمة %1 (الإرسال %2)</translation>
    </message>
    <message>
        <source>No losses</source>
        <translation>بلا فقد</translation>
    </message>
    <message>
        <source>%1 % of packets, %2 % of ACKs</source>
        <translation>%1 % من الحزم، %2 % من إشعارات ACK</translation>
    </message>
    <message>
        <source>%1 % of packets</source>
        <translation>%1 % من الحزم</translation>
    </message>
    <message>
        <source>%1 % of ACKs</source>
        <translation>%1 % من إشعارات ACK</translation>
    </message>
    <message>
        <source>Losses: %1 planned</source>
        <translation>الفقد: %1 مخطط له</translation>
    </message>
    <message>
        <source>Losses: %1 (seed %2)</source>
        <translation>الفقد: %1 (البذرة %2)</translation>
    </message>
    <message>
        <source>Losses: %1 (seed %2), %3 planned</source>
        <translation>الفقد: %1 (البذرة %2)، %3 مخطط له</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 و%2 غيرها</translation>
    </message>
    <message>
        <source>Lost by click: %1</source>
        <translation>فُقد بنقرة: %1</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>Quill&apos;s Sliding Window Demo</source>
        <translation>عرض Quill للنافذة المنزلقة</translation>
    </message>
    <message>
        <source>Quill&apos;s Sliding Window Demo needs JavaScript: please allow scripts for this page.</source>
        <translation>عرض Quill للنافذة المنزلقة يحتاج إلى JavaScript: يُرجى السماح بالبرامج النصية لهذه الصفحة.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>The window&apos;s controls at finger size</source>
        <translation>عناصر تحكم النافذة بحجم الإصبع</translation>
    </message>
    <message>
        <source>Run controls, chart and log</source>
        <translation>عناصر تحكم التشغيل والرسم البياني والسجل</translation>
    </message>
    <message>
        <source>Step back one tick (Ctrl+Left)</source>
        <translation>نبضة واحدة إلى الخلف (Ctrl+يسار)</translation>
    </message>
    <message>
        <source>◀ Step Back</source>
        <translation>◀ خطوة إلى الخلف</translation>
    </message>
    <message>
        <source>Step one tick; pauses a running clock first (Ctrl+Right)</source>
        <translation>تقدّم نبضة واحدة؛ يوقف الساعة العاملة أولًا (Ctrl+يمين)</translation>
    </message>
    <message>
        <source>Step ▶</source>
        <translation>خطوة ▶</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>السرعة</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>البروتوكول</translation>
    </message>
    <message>
        <source>Protocol: custom</source>
        <translation>البروتوكول: مخصص</translation>
    </message>
    <message>
        <source>View</source>
        <translation>عرض</translation>
    </message>
    <message>
        <source>Colour-blind safe colours</source>
        <translation>ألوان آمنة لعمى الألوان</translation>
    </message>
    <message>
        <source>State marks</source>
        <translation>علامات الحالة</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>وسيلة الإيضاح</translation>
    </message>
    <message>
        <source>Open a saved run file; you can also drop one on the page</source>
        <translation>افتح ملف تشغيل محفوظًا؛ ويمكنك أيضًا إفلاته على الصفحة</translation>
    </message>
    <message>
        <source>Open run…</source>
        <translation>فتح تشغيل…</translation>
    </message>
    <message>
        <source>Download this run as a run file</source>
        <translation>نزّل هذا التشغيل ملفَّ تشغيل</translation>
    </message>
    <message>
        <source>Save run</source>
        <translation>حفظ التشغيل</translation>
    </message>
    <message>
        <source>Download this run as a packet capture (.pcap) for Wireshark, seen at the sender</source>
        <translation>نزّل هذا التشغيل كالتقاط حزم (.pcap) لبرنامج Wireshark، كما يُرى عند المرسل</translation>
    </message>
    <message>
        <source>Save capture</source>
        <translation>حفظ الالتقاط</translation>
    </message>
    <message>
        <source>Open a built-in lesson</source>
        <translation>افتح درسًا مدمجًا</translation>
    </message>
    <message>
        <source>Lessons…</source>
        <translation>الدروس…</translation>
    </message>
    <message>
        <source>Packets and ACKs the network loses: at random or planned</source>
        <translation>الحزم وإشعارات ACK التي تفقدها الشبكة: عشوائيًا أو وفق خطة</translation>
    </message>
    <message>
        <source>Network…</source>
        <translation>الشبكة…</translation>
    </message>
    <message>
        <source>Run two or three protocols side by side with the same losses</source>
        <translation>شغّل بروتوكولين أو ثلاثة جنبًا إلى جنب بالفقد نفسه</translation>
    </message>
    <message>
        <source>Compare…</source>
        <translation>مقارنة…</translation>
    </message>
    <message>
        <source>Copy a link that opens the page with these settings</source>
        <translation>انسخ رابطًا يفتح الصفحة بهذه الإعدادات</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>نسخ الرابط</translation>
    </message>
    <message>
        <source>Link to these settings</source>
        <translation>رابط هذه الإعدادات</translation>
    </message>
    <message>
        <source>Transmit window, threshold, flight size and receive window against the tick</source>
        <translation>نافذة الإرسال والعتبة والحزم في الطريق ونافذة الاستقبال مقابل النبضة</translation>
    </message>
    <message>
        <source>Rewind to Cursor</source>
        <translation>الرجوع إلى المؤشر</translation>
    </message>
    <message>
        <source>This run&apos;s figures</source>
        <translation>أرقام هذا التشغيل</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>السجل</translation>
    </message>
    <message>
        <source>All</source>
        <translation>الكل</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>المرسل</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>المستقبل</translation>
    </message>
    <message>
        <source>User</source>
        <translation>المستخدم</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>سجل الأحداث</translation>
    </message>
    <message>
        <source>Time-Sequence Diagram</source>
        <translation>مخطط التتابع الزمني</translation>
    </message>
    <message>
        <source>From tick</source>
        <translation>من النبضة</translation>
    </message>
    <message>
        <source>to</source>
        <translation>إلى</translation>
    </message>
    <message>
        <source>Download these ticks of the diagram as an SVG drawing</source>
        <translation>نزّل هذه النبضات من المخطط رسمًا بصيغة SVG</translation>
    </message>
    <message>
        <source>Save diagram (SVG)</source>
        <translation>حفظ المخطط (SVG)</translation>
    </message>
    <message>
        <source>Time-sequence diagram of the run: sender left, receiver right, time downward</source>
        <translation>مخطط التتابع الزمني للتشغيل: المرسل يسارًا، والمستقبل يمينًا، والزمن إلى الأسفل</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>المقارنة</translation>
    </message>
    <message>
        <source>Back to the single window</source>
        <translation>العودة إلى النافذة الواحدة</translation>
    </message>
    <message>
        <source>◀ One window</source>
        <translation>◀ نافذة واحدة</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Step all of them back one tick (Ctrl+Left)</source>
        <translation>أرجع الجميع نبضة واحدة (Ctrl+يسار)</translation>
    </message>
    <message>
        <source>Step all of them one tick (Ctrl+Right)</source>
        <translation>قدّم الجميع نبضة واحدة (Ctrl+يمين)</translation>
    </message>
    <message>
        <source>Download the comparison as one run file</source>
        <translation>نزّل المقارنة ملفَّ تشغيل واحدًا</translation>
    </message>
    <message>
        <source>Save comparison</source>
        <translation>حفظ المقارنة</translation>
    </message>
    <message>
        <source>Copy a link that opens the page with this comparison</source>
        <translation>انسخ رابطًا يفتح الصفحة بهذه المقارنة</translation>
    </message>
    <message>
        <source>Link to this comparison</source>
        <translation>رابط هذه المقارنة</translation>
    </message>
    <message>
        <source>Each configuration&apos;s transmit window (thick) and goodput (thin) against the tick</source>
        <translation>نافذة الإرسال (خط سميك) والإنتاجية الفعلية (خط رفيع) لكل تهيئة مقابل النبضة</translation>
    </message>
    <message>
        <source>Figures of each configuration</source>
        <translation>أرقام كل تهيئة</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>الشبكة</translation>
    </message>
    <message>
        <source>A lost packet or ACK is taken off halfway across, as a double click on it would. The same seed loses the same packets under every protocol.</source>
        <translation>الحزمة أو ACK المفقود يُزال في منتصف الطريق، كما تفعل نقرة مزدوجة عليه. البذرة نفسها تفقد الحزم نفسها مع كل بروتوكول.</translation>
    </message>
    <message>
        <source>Packets lost</source>
        <translation>الحزم المفقودة</translation>
    </message>
    <message>
        <source>ACKs lost</source>
        <translation>إشعارات ACK المفقودة</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>البذرة</translation>
    </message>
    <message>
        <source>Planned losses</source>
        <translation>الفقد المخطط له</translation>
    </message>
    <message>
        <source>What is lost</source>
        <translation>ما يُفقد</translation>
    </message>
    <message>
        <source>Packet</source>
        <translation>حزمة</translation>
    </message>
    <message>
        <source>The ACK for packet</source>
        <translation>ACK للحزمة</translation>
    </message>
    <message>
        <source>Packet number</source>
        <translation>رقم الحزمة</translation>
    </message>
    <message>
        <source>transmission</source>
        <translation>الإرسال</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>مقارنة</translation>
    </message>
    <message>
        <source>Side by side from one clock, with the losses set under Network.</source>
        <translation>جنبًا إلى جنب بساعة واحدة، بالفقد المضبوط في الشبكة.</translation>
    </message>
    <message>
        <source>First</source>
        <translation>الأولى</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>الثانية</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>الثالثة</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Tick %1</source>
        <translation>النبضة %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>تمرين</translation>
    </message>
    <message>
        <source>Practice: on</source>
        <translation>التمرين: مفعّل</translation>
    </message>
    <message>
        <source>Score: %1 of %2 right</source>
        <translation>النتيجة: %1 من %2 صحيحة</translation>
    </message>
    <message>
        <source>Summary copied</source>
        <translation>نُسخ الملخص</translation>
    </message>
    <message>
        <source>QR code</source>
        <translation>رمز QR</translation>
    </message>
    <message>
        <source>Scan to open this run (%1 characters).</source>
        <translation>امسح الرمز لفتح هذا التشغيل (%1 حرفًا).</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>ملاحظة</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>نُسخ الرابط</translation>
    </message>
    <message>
        <source>Copy the link beside</source>
        <translation>انسخ الرابط المجاور</translation>
    </message>
    <message>
        <source>Rewind to a tick, or play on to a later one, and pause there (Ctrl+G)</source>
        <translation>الرجوع إلى نبضة أو متابعة التشغيل إلى نبضة لاحقة، ثم الإيقاف المؤقت هناك (Ctrl+G)</translation>
    </message>
    <message>
        <source>Go to Tick…</source>
        <translation>الانتقال إلى نبضة…</translation>
    </message>
    <message>
        <source>Download a view of this run as a picture for a slide, or its figures as CSV</source>
        <translation>تنزيل عرض من هذا التشغيل صورةً لشريحة، أو أرقامه بصيغة CSV</translation>
    </message>
    <message>
        <source>Download picture…</source>
        <translation>تنزيل صورة…</translation>
    </message>
    <message>
        <source>Download the comparison&apos;s windows, diagrams, chart and table as one picture, or its figures as CSV</source>
        <translation>تنزيل نوافذ المقارنة ومخططاتها ورسمها البياني وجدولها في صورة واحدة، أو أرقامها بصيغة CSV</translation>
    </message>
    <message>
        <source>Download picture</source>
        <translation>تنزيل صورة</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>عرض</translation>
    </message>
    <message>
        <source>The window</source>
        <translation>النافذة</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>الرسم البياني</translation>
    </message>
    <message>
        <source>The time-sequence diagram</source>
        <translation>مخطط التتابع الزمني</translation>
    </message>
    <message>
        <source>The table of figures</source>
        <translation>جدول الأرقام</translation>
    </message>
    <message>
        <source>Show together</source>
        <translation>عرض معًا</translation>
    </message>
    <message>
        <source>The windows</source>
        <translation>النوافذ</translation>
    </message>
    <message>
        <source>The time-sequence diagrams</source>
        <translation>مخططات التتابع الزمني</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>الصيغة</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>صورة PNG</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>رسم SVG</translation>
    </message>
    <message>
        <source>The figures as CSV</source>
        <translation>الأرقام بصيغة CSV</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>العرض</translation>
    </message>
    <message>
        <source>px</source>
        <translation>بكسل</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>الارتفاع</translation>
    </message>
    <message>
        <source>Title line</source>
        <translation>سطر العنوان</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>تنزيل</translation>
    </message>
    <message>
        <source>Tick at least one view to put in the picture.</source>
        <translation>حدّد عرضًا واحدًا على الأقل لوضعه في الصورة.</translation>
    </message>
    <message>
        <source>The browser could not draw a picture this large: try a smaller width and height.</source>
        <translation>تعذّر على المتصفح رسم صورة بهذا الحجم: جرّب عرضًا وارتفاعًا أصغر.</translation>
    </message>
    <message>
        <source>Time-Sequence Diagrams</source>
        <translation>مخططات التتابع الزمني</translation>
    </message>
    <message>
        <source>Time-sequence diagram of %1: sender left, receiver right, time downward</source>
        <translation>مخطط التتابع الزمني لـ %1: المرسل يسارًا، والمستقبل يمينًا، والزمن إلى الأسفل</translation>
    </message>
</context>
<context>
    <name>practice</name>
    <message>
        <source>Question withdrawn: the run changed before the event it was about.</source>
        <translation>سُحب السؤال: تغيّر التشغيل قبل الحدث الذي كان عنه.</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right.</source>
        <translation>تمرين النافذة المنزلقة: %1 من %2 إجابات صحيحة.</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right, %3 skipped, %4 withdrawn.</source>
        <translation>تمرين النافذة المنزلقة: %1 من %2 إجابات صحيحة، و%3 متخطاة، و%4 مسحوبة.</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right, %3 skipped.</source>
        <translation>تمرين النافذة المنزلقة: %1 من %2 إجابات صحيحة، و%3 متخطاة.</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right, %4 withdrawn.</source>
        <translation>تمرين النافذة المنزلقة: %1 من %2 إجابات صحيحة، و%4 مسحوبة.</translation>
    </message>
    <message>
        <source>Withdrawn: the run was changed before the event.</source>
        <translation>مسحوب: غُيّر التشغيل قبل الحدث.</translation>
    </message>
    <message>
        <source>Skipped.</source>
        <translation>تم التخطي.</translation>
    </message>
    <message>
        <source>The run gave: %1.</source>
        <translation>أعطى التشغيل: %1.</translation>
    </message>
    <message>
        <source>Answer: %1.</source>
        <translation>الإجابة: %1.</translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>صحيح.</translation>
    </message>
    <message>
        <source>Wrong: the run gave %1.</source>
        <translation>خطأ: أعطى التشغيل %1.</translation>
    </message>
    <message>
        <source>packet %1</source>
        <translation>الحزمة %1</translation>
    </message>
    <message>
        <source>no packet</source>
        <translation>لا حزمة</translation>
    </message>
    <message>
        <source>packets %1 to %2</source>
        <translation>الحزم %1 إلى %2</translation>
    </message>
    <message>
        <source>packets %1 and %2</source>
        <translation>الحزمتان %1 و%2</translation>
    </message>
    <message>
        <source>sets SSThresh to half the flight size (%1 packet in flight), never below 2 packets</source>
        <translation>يضبط SSThresh على نصف الحزم التي في الطريق (%1 حزمة في الطريق)، ولا تقل أبدًا عن 2 حزمة</translation>
    </message>
    <message>
        <source>sets SSThresh to half the flight size (%1 packets in flight), never below 2 packets</source>
        <translation>يضبط SSThresh على نصف الحزم التي في الطريق (%1 حزم في الطريق)، ولا تقل أبدًا عن 2 حزمة</translation>
    </message>
    <message>
        <source>sets SSThresh to the transmit window (%1 packet; with Avoidance on it would take half the flight size), never below 2 packets</source>
        <translation>يضبط SSThresh على نافذة الإرسال (%1 حزمة؛ ومع تفعيل تجنب الازدحام كان سيأخذ نصف الحزم التي في الطريق)، ولا تقل أبدًا عن 2 حزمة</translation>
    </message>
    <message>
        <source>sets SSThresh to the transmit window (%1 packets; with Avoidance on it would take half the flight size), never below 2 packets</source>
        <translation>يضبط SSThresh على نافذة الإرسال (%1 حزم؛ ومع تفعيل تجنب الازدحام كان سيأخذ نصف الحزم التي في الطريق)، ولا تقل أبدًا عن 2 حزمة</translation>
    </message>
    <message>
        <source>The go-back-N sender then goes back: every later packet not yet acknowledged is queued again, oldest first, one a tick as the window allows, which slow start opens again from one packet; an ACK that covers packets the receiver kept spares them.</source>
        <translation>ثم يعود مرسل العودة بمقدار N: كل حزمة لاحقة لم تُؤكد بعد توضع في الطابور من جديد، الأقدم أولًا، حزمة في كل نبضة بقدر ما تسمح النافذة التي يعيد البدء البطيء فتحها من حزمة واحدة؛ وACK الذي يغطي حزمًا احتفظ بها المستقبل يعفيها.</translation>
    </message>
    <message>
        <source>The go-back-N sender then goes back: every later packet not yet acknowledged is queued again, oldest first, one a tick while they fit in the window.</source>
        <translation>ثم يعود مرسل العودة بمقدار N: كل حزمة لاحقة لم تُؤكد بعد توضع في الطابور من جديد، الأقدم أولًا، حزمة في كل نبضة ما دامت تتسع لها النافذة.</translation>
    </message>
    <message>
        <source>No new packet leaves until the round is over.</source>
        <translation>لا تنطلق أي حزمة جديدة حتى تنتهي الجولة.</translation>
    </message>
    <message>
        <source>No new packet leaves until the round is over: here only packet %1 is sent again, since the ACK for it covers the packets behind it, which the receiver kept.</source>
        <translation>لا تنطلق أي حزمة جديدة حتى تنتهي الجولة: هنا لا يُعاد إلا إرسال الحزمة %1، لأن ACK الخاص بها يغطي الحزم التي بعدها، وقد احتفظ بها المستقبل.</translation>
    </message>
    <message>
        <source>No new packet leaves until the round is over: here it sends %1 again.</source>
        <translation>لا تنطلق أي حزمة جديدة حتى تنتهي الجولة: هنا يعيد إرسال %1.</translation>
    </message>
    <message>
        <source>Retransmission timeout.</source>
        <translation>انتهاء مهلة إعادة الإرسال.</translation>
    </message>
    <message>
        <source>Packet %1&apos;s timer ran out before an ACK covered it, so the sender takes it for lost.</source>
        <translation>انتهى مؤقت الحزمة %1 قبل أن يغطيها ACK، فيعدّها المرسل مفقودة.</translation>
    </message>
    <message>
        <source>keeps the SSThresh that fast retransmit set (never below 2 packets)</source>
        <translation>يُبقي على SSThresh التي ضبطتها إعادة الإرسال السريع (ولا تقل أبدًا عن 2 حزمة)</translation>
    </message>
    <message>
        <source>It %1, enters the TimedOut state, drops the Tx Window to one packet (slow start begins again) and queues %2 again.</source>
        <translation>إنه %1، ويدخل حالة TimedOut، ويُنزل نافذة الإرسال إلى حزمة واحدة (يبدأ البدء البطيء من جديد)، ويضع %2 في الطابور من جديد.</translation>
    </message>
    <message>
        <source>It %1, enters the TimedOut state and queues %2 again.</source>
        <translation>إنه %1، ويدخل حالة TimedOut، ويضع %2 في الطابور من جديد.</translation>
    </message>
    <message>
        <source>With Selective Repeat the other packets keep their timers: only what timed out is resent.</source>
        <translation>مع التكرار الانتقائي تحتفظ الحزم الأخرى بمؤقتاتها: لا يُعاد إلا إرسال ما انتهت مهلته.</translation>
    </message>
    <message>
        <source>This sender, as the original program&apos;s, does not go back at once: the timers of the later packets stop, and each is sent again only when it has become the oldest unacknowledged packet, a round trip apiece.</source>
        <translation>هذا المرسل، كمرسل البرنامج الأصلي، لا يعود فورًا: تتوقف مؤقتات الحزم اللاحقة، ولا تُرسل كل منها من جديد إلا حين تصبح أقدم حزمة غير مؤكدة، برحلة ذهاب وإياب لكل واحدة.</translation>
    </message>
    <message>
        <source>A textbook go-back-N sender would resend them all now (the option &quot;Sender resends the whole window on a timeout&quot;).</source>
        <translation>مرسل العودة بمقدار N كما في الكتب كان سيعيد إرسالها جميعًا الآن (الخيار «Sender resends the whole window on a timeout»).</translation>
    </message>
    <message>
        <source>Fast retransmit under Tahoe&apos;s rule.</source>
        <translation>إعادة الإرسال السريع وفق قاعدة Tahoe.</translation>
    </message>
    <message>
        <source>Fast retransmit.</source>
        <translation>إعادة الإرسال السريع.</translation>
    </message>
    <message>
        <source>Three duplicate ACKs in a row tell the sender that packet %1 is missing while later packets still arrive.</source>
        <translation>ثلاثة إشعارات ACK مكررة متتالية تخبر المرسل بأن الحزمة %1 مفقودة بينما لا تزال الحزم اللاحقة تصل.</translation>
    </message>
    <message>
        <source>Without waiting for its timer the sender resends packet %1 and sets SSThresh to half the flight size (%2 packet in flight, never below 2).</source>
        <translation>دون انتظار مؤقتها يعيد المرسل إرسال الحزمة %1 ويضبط SSThresh على نصف الحزم التي في الطريق (%2 حزمة في الطريق، ولا تقل أبدًا عن 2).</translation>
    </message>
    <message>
        <source>Without waiting for its timer the sender resends packet %1 and sets SSThresh to half the flight size (%2 packets in flight, never below 2).</source>
        <translation>دون انتظار مؤقتها يعيد المرسل إرسال الحزمة %1 ويضبط SSThresh على نصف الحزم التي في الطريق (%2 حزم في الطريق، ولا تقل أبدًا عن 2).</translation>
    </message>
    <message>
        <source>As TCP Tahoe does, it drops the Tx Window to one packet and starts slow start again: there is no fast recovery, and further duplicate ACKs change nothing.</source>
        <translation>كما يفعل TCP Tahoe، يُنزل نافذة الإرسال إلى حزمة واحدة ويبدأ البدء البطيء من جديد: لا يوجد استرداد سريع، ولا تغيّر إشعارات ACK المكررة اللاحقة شيئًا.</translation>
    </message>
    <message>
        <source>It sets the Tx Window to half the window plus three packets, for the three that left the network (here %1, never above the receiver&apos;s window), and enters FastRetransmit; each further duplicate ACK inflates the window by one packet until a new ACK ends fast recovery.</source>
        <translation>يضبط نافذة الإرسال على نصف النافذة زائد ثلاث حزم، للحزم الثلاث التي غادرت الشبكة (هنا %1، ولا تتجاوز أبدًا نافذة المستقبل)، ويدخل FastRetransmit؛ وكل ACK مكرر لاحق ينفخ النافذة بحزمة حتى ينهي ACK جديد الاسترداد السريع.</translation>
    </message>
    <message>
        <source>The textbooks (RFC 5681) start from the new SSThresh plus three, %1 here too: this model halves the window, as the original program does, which differs whenever the window and the flight size do.</source>
        <translation>تبدأ الكتب (RFC 5681) من SSThresh الجديدة زائد ثلاثة، وهي هنا %1 أيضًا: هذا النموذج يقسم النافذة على اثنين، كما يفعل البرنامج الأصلي، وهذا يختلف كلما اختلفت النافذة عن عدد الحزم في الطريق.</translation>
    </message>
    <message>
        <source>The textbooks (RFC 5681) start from the new SSThresh plus three, %1 here: this model halves the window, as the original program does, which differs whenever the window and the flight size do.</source>
        <translation>تبدأ الكتب (RFC 5681) من SSThresh الجديدة زائد ثلاثة، وهي هنا %1: هذا النموذج يقسم النافذة على اثنين، كما يفعل البرنامج الأصلي، وهذا يختلف كلما اختلفت النافذة عن عدد الحزم في الطريق.</translation>
    </message>
    <message>
        <source>Fast recovery: every further duplicate ACK means another packet has left the network, so the Tx Window is inflated by one packet.</source>
        <translation>الاسترداد السريع: كل ACK مكرر إضافي يعني أن حزمة أخرى غادرت الشبكة، فتُنفخ نافذة الإرسال بحزمة.</translation>
    </message>
    <message>
        <source>A new ACK ends fast recovery: the Tx Window drops back to SSThresh (%1 packets).</source>
        <translation>ACK جديد ينهي الاسترداد السريع: تعود نافذة الإرسال إلى SSThresh (%1 حزم).</translation>
    </message>
    <message>
        <source>After a timeout every new ACK sets the Tx Window to the loss window of one packet, until the resent packet itself is acknowledged and slow start takes over.</source>
        <translation>بعد انتهاء المهلة يضبط كل ACK جديد نافذة الإرسال على نافذة الفقد البالغة حزمة واحدة، حتى تُؤكد الحزمة المعاد إرسالها نفسها ويتولى البدء البطيء.</translation>
    </message>
    <message>
        <source>Congestion avoidance: at or above SSThresh each new ACK adds one packet divided by the window in packets, which in the textbooks grows the window by about one packet per round trip.</source>
        <translation>تجنب الازدحام: عند SSThresh أو فوقها يضيف كل ACK جديد حزمة مقسومة على النافذة بالحزم، وهذا في الكتب يكبّر النافذة نحو حزمة واحدة لكل رحلة ذهاب وإياب.</translation>
    </message>
    <message>
        <source>This model, as the original program does, snaps the window to whole packets as soon as it rounds to the next one, which adds the rest of that packet at once: the window grows faster than one packet per round trip.</source>
        <translation>هذا النموذج، كالبرنامج الأصلي، يقرّب النافذة إلى حزم كاملة بمجرد أن تُقرَّب إلى التالية، فيضيف باقي تلك الحزمة دفعة واحدة: تكبر النافذة أسرع من حزمة واحدة لكل رحلة ذهاب وإياب.</translation>
    </message>
    <message>
        <source>Slow start: each new ACK grows the Tx Window by one packet, however many packets it acknowledges, so the window doubles every round trip until it reaches SSThresh.</source>
        <translation>البدء البطيء: كل ACK جديد يكبّر نافذة الإرسال بحزمة واحدة، مهما كان عدد الحزم التي يؤكدها، فتتضاعف النافذة كل رحلة ذهاب وإياب حتى تبلغ SSThresh.</translation>
    </message>
    <message>
        <source>Slow start: each new ACK grows the Tx Window by one packet, however many packets it acknowledges, so the window doubles every round trip.</source>
        <translation>البدء البطيء: كل ACK جديد يكبّر نافذة الإرسال بحزمة واحدة، مهما كان عدد الحزم التي يؤكدها، فتتضاعف النافذة كل رحلة ذهاب وإياب.</translation>
    </message>
    <message>
        <source>Selective repeat without slow start: each duplicate ACK opens the Tx Window by one packet while the holes are resent.</source>
        <translation>التكرار الانتقائي دون البدء البطيء: كل ACK مكرر يفتح نافذة الإرسال بحزمة بينما يُعاد إرسال الفجوات.</translation>
    </message>
    <message>
        <source>Selective repeat without slow start: the first new ACK after the duplicates restores the smallest window seen while they arrived.</source>
        <translation>التكرار الانتقائي دون البدء البطيء: أول ACK جديد بعد التكرارات يعيد أصغر نافذة شوهدت أثناء وصولها.</translation>
    </message>
    <message>
        <source>The Tx Window never grows beyond the receiver&apos;s window (Rx Window Size).</source>
        <translation>لا تكبر نافذة الإرسال أبدًا فوق نافذة المستقبل (حجم نافذة الاستقبال).</translation>
    </message>
    <message>
        <source>the cell of packet %1</source>
        <translation>خلية الحزمة %1</translation>
    </message>
    <message>
        <source>none: it is dropped</source>
        <translation>لا شيء: تُسقط</translation>
    </message>
    <message>
        <source>Packet %1 (sequence number %2) reaches the receiver in %3 tick.</source>
        <translation>تصل الحزمة %1 (الرقم التسلسلي %2) إلى المستقبل بعد %3 نبضة.</translation>
    </message>
    <message>
        <source>Packet %1 (sequence number %2) reaches the receiver in %3 ticks.</source>
        <translation>تصل الحزمة %1 (الرقم التسلسلي %2) إلى المستقبل بعد %3 نبضات.</translation>
    </message>
    <message>
        <source>An ACK asking for packet %1 reaches the sender in %2 tick.</source>
        <translation>يصل ACK يطلب الحزمة %1 إلى المرسل بعد %2 نبضة.</translation>
    </message>
    <message>
        <source>An ACK asking for packet %1 reaches the sender in %2 ticks.</source>
        <translation>يصل ACK يطلب الحزمة %1 إلى المرسل بعد %2 نبضات.</translation>
    </message>
    <message>
        <source>Which packet will the receiver ask for next?</source>
        <translation>أي حزمة سيطلب المستقبل تاليًا؟</translation>
    </message>
    <message>
        <source>What will the Tx Window Size be?</source>
        <translation>كم سيكون حجم نافذة الإرسال؟</translation>
    </message>
    <message>
        <source>Packet %1&apos;s timer runs out in %2 tick.</source>
        <translation>ينتهي مؤقت الحزمة %1 بعد %2 نبضة.</translation>
    </message>
    <message>
        <source>Packet %1&apos;s timer runs out in %2 ticks.</source>
        <translation>ينتهي مؤقت الحزمة %1 بعد %2 نبضات.</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet %1 reaches the sender in %2 tick.</source>
        <translation>يصل ACK المكرر الثالث الذي يطلب الحزمة %1 إلى المرسل بعد %2 نبضة.</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet %1 reaches the sender in %2 ticks.</source>
        <translation>يصل ACK المكرر الثالث الذي يطلب الحزمة %1 إلى المرسل بعد %2 نبضات.</translation>
    </message>
    <message>
        <source>What will SSThresh be?</source>
        <translation>كم ستكون SSThresh؟</translation>
    </message>
    <message>
        <source>Which packets will the sender send again before it sends a new one?</source>
        <translation>أي الحزم سيعيد المرسل إرسالها قبل أن يرسل حزمة جديدة؟</translation>
    </message>
    <message>
        <source>Which packets will the sender queue to send again right then?</source>
        <translation>أي الحزم سيضعها المرسل في الطابور لإعادة الإرسال في تلك اللحظة؟</translation>
    </message>
    <message>
        <source>In-order receiver.</source>
        <translation>المستقبل المرتِّب.</translation>
    </message>
    <message>
        <source>This receiver keeps only the packet it expects next, packet %1 (sequence number %2).</source>
        <translation>هذا المستقبل لا يحتفظ إلا بالحزمة التي ينتظرها تاليًا، الحزمة %1 (الرقم التسلسلي %2).</translation>
    </message>
    <message>
        <source>Packet %1 is dropped, and the receiver answers at once with an ACK asking again for packet %2: an ACK always names the next packet awaited, never the one that arrived.</source>
        <translation>تُسقط الحزمة %1، ويرد المستقبل فورًا بـ ACK يطلب الحزمة %2 من جديد: ACK يسمّي دائمًا الحزمة التالية المنتظرة، لا التي وصلت.</translation>
    </message>
    <message>
        <source>The sender will have to send every later packet again.</source>
        <translation>سيضطر المرسل إلى إعادة إرسال كل حزمة لاحقة.</translation>
    </message>
    <message>
        <source>Which cell of the receiver&apos;s strip will take it in?</source>
        <translation>أي خلية في شريط المستقبل ستقبلها؟</translation>
    </message>
    <message>
        <source>Sequence-number aliasing.</source>
        <translation>تداخل الأرقام التسلسلية.</translation>
    </message>
    <message>
        <source>The receiver knows a packet only by its sequence number, the packet number Mod %1.</source>
        <translation>لا يعرف المستقبل الحزمة إلا برقمها التسلسلي، أي رقم الحزمة Mod %1.</translation>
    </message>
    <message>
        <source>Packet %1 carries sequence number %2, and so does packet %3 inside the receive window, so the receiver takes it in as that packet: the cell turns dark red.</source>
        <translation>تحمل الحزمة %1 الرقم التسلسلي %2، وكذلك الحزمة %3 داخل نافذة الاستقبال، فيقبلها المستقبل على أنها تلك الحزمة: تتحول الخلية إلى الأحمر الداكن.</translation>
    </message>
    <message>
        <source>The sequence space (Max Sequence No) is too small for the windows; it must hold the sender&apos;s and the receiver&apos;s windows together.</source>
        <translation>الفضاء التسلسلي (أقصى رقم تسلسلي) أصغر من أن يتسع للنوافذ؛ يجب أن يتسع لنافذتي المرسل والمستقبل معًا.</translation>
    </message>
    <message>
        <source>Cumulative acknowledgement.</source>
        <translation>التأكيد التراكمي.</translation>
    </message>
    <message>
        <source>Packet %1 is the packet the receiver was waiting for, and the packets after it had already arrived and been kept.</source>
        <translation>الحزمة %1 هي التي كان المستقبل ينتظرها، والحزم التي بعدها كانت قد وصلت واحتُفظ بها.</translation>
    </message>
    <message>
        <source>Its arrival completes the run, so the receive window slides past all of them and the ACK asks for packet %1, the first packet still missing, not for packet %2.</source>
        <translation>وصولها يكمل التتابع، فتنزلق نافذة الاستقبال متجاوزة إياها جميعًا، ويطلب ACK الحزمة %1، أول حزمة لا تزال ناقصة، لا الحزمة %2.</translation>
    </message>
    <message>
        <source>Which packet will the sender&apos;s window start at?</source>
        <translation>من أي حزمة ستبدأ نافذة المرسل؟</translation>
    </message>
    <message>
        <source>An ACK names the next packet the receiver awaits, so it acknowledges every packet before that one.</source>
        <translation>ACK يسمّي الحزمة التالية التي ينتظرها المستقبل، فيؤكد كل حزمة قبلها.</translation>
    </message>
    <message>
        <source>The sender blackens them, stops their timers and slides its window on to the oldest packet still unacknowledged, packet %1.</source>
        <translation>يلوّنها المرسل بالأسود، ويوقف مؤقتاتها، ويزلق نافذته إلى أقدم حزمة لم تُؤكد بعد، الحزمة %1.</translation>
    </message>
</context>
<context>
    <name>protocols</name>
    <message>
        <source>&quot;%1&quot; is not a protocol; the protocols are %2.</source>
        <translation>«%1» ليس بروتوكولًا؛ البروتوكولات هي %2.</translation>
    </message>
    <message>
        <source>A comparison runs two or three protocols, not %1.</source>
        <translation>المقارنة تشغّل بروتوكولين أو ثلاثة، لا %1.</translation>
    </message>
    <message>
        <source>Stop-and-wait</source>
        <translation>التوقف والانتظار</translation>
    </message>
    <message>
        <source>Go-back-N (textbook)</source>
        <translation>العودة بمقدار N (كما في الكتب)</translation>
    </message>
    <message>
        <source>Selective repeat</source>
        <translation>التكرار الانتقائي</translation>
    </message>
    <message>
        <source>Tahoe-like TCP</source>
        <translation>TCP على طريقة Tahoe</translation>
    </message>
    <message>
        <source>Reno-like TCP</source>
        <translation>TCP على طريقة Reno</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>مخصص</translation>
    </message>
    <message>
        <source>Receiver keeps out-of-order packets</source>
        <translation>المستقبل يحتفظ بالحزم غير المرتبة</translation>
    </message>
    <message>
        <source>Fast retransmit as Tahoe: back to one packet</source>
        <translation>إعادة الإرسال السريع على طريقة Tahoe: العودة إلى حزمة واحدة</translation>
    </message>
    <message>
        <source>Fast retransmit as Reno: fast recovery</source>
        <translation>إعادة الإرسال السريع على طريقة Reno: الاسترداد السريع</translation>
    </message>
</context>
<context>
    <name>run files</name>
    <message>
        <source>text</source>
        <extracomment>What a JSON value is, in &quot;The field &quot;x&quot; should be a list, not %2.&quot;</extracomment>
        <translation>نص</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true أو false</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>عدد</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>قائمة</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>كائن</translation>
    </message>
    <message>
        <source>null</source>
        <translation>null</translation>
    </message>
    <message>
        <source>The field %1 is missing.</source>
        <translation>الحقل %1 مفقود.</translation>
    </message>
    <message>
        <source>The field %1 should be an object, not %2.</source>
        <translation>يجب أن يكون الحقل %1 كائنًا، لا %2.</translation>
    </message>
    <message>
        <source>The field %1 is %2, outside %3 to %4.</source>
        <translation>الحقل %1 قيمته %2، خارج النطاق %3 إلى %4.</translation>
    </message>
    <message>
        <source>The field %1 should be a whole number written without a decimal point or an exponent, not %2.</source>
        <translation>يجب أن يكون الحقل %1 عددًا صحيحًا مكتوبًا دون فاصلة عشرية أو أس، لا %2.</translation>
    </message>
    <message>
        <source>The field %1 should be a whole number, not %2.</source>
        <translation>يجب أن يكون الحقل %1 عددًا صحيحًا، لا %2.</translation>
    </message>
    <message>
        <source>The field %1 should be text, not %2.</source>
        <translation>يجب أن يكون الحقل %1 نصًا، لا %2.</translation>
    </message>
    <message>
        <source>The field %1 should be true or false, not %2.</source>
        <translation>يجب أن يكون الحقل %1 true أو false، لا %2.</translation>
    </message>
    <message>
        <source>The field %1 names no %2 this program knows: %3.</source>
        <translation>الحقل %1 يسمّي %2 لا يعرفه هذا البرنامج: %3.</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>السطر %1، العمود %2</translation>
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
        <translation>حجم الملف %1، أكبر مما يجوز لملف تشغيل (%2).</translation>
    </message>
    <message>
        <source>The run in this link cannot be opened. It is larger than a run file may be (%1).</source>
        <translation>لا يمكن فتح التشغيل الذي في هذا الرابط. إنه أكبر مما يجوز لملف تشغيل (%1).</translation>
    </message>
    <message>
        <source>The field %1 should be a figure such as &quot; 4&quot;, not %2.</source>
        <translation>يجب أن يكون الحقل %1 رقمًا مثل « 4»، لا %2.</translation>
    </message>
    <message>
        <source>action</source>
        <translation>إجراء</translation>
    </message>
    <message>
        <source>option</source>
        <translation>خيار</translation>
    </message>
    <message>
        <source>slider</source>
        <translation>منزلق</translation>
    </message>
    <message>
        <source>The entry %1 should be an object, not %2.</source>
        <translation>يجب أن يكون العنصر %1 كائنًا، لا %2.</translation>
    </message>
    <message>
        <source>kind of question</source>
        <translation>نوع السؤال</translation>
    </message>
    <message>
        <source>The field %1 is empty.</source>
        <translation>الحقل %1 فارغ.</translation>
    </message>
    <message>
        <source>The field %1 should be a list of two to four texts.</source>
        <translation>يجب أن يكون الحقل %1 قائمة من نصين إلى أربعة نصوص.</translation>
    </message>
    <message>
        <source>The entry %1 should be text, not %2.</source>
        <translation>يجب أن يكون العنصر %1 نصًا، لا %2.</translation>
    </message>
    <message>
        <source>The entry %1 is empty or the same as a choice before it.</source>
        <translation>العنصر %1 فارغ أو مطابق لاختيار قبله.</translation>
    </message>
    <message>
        <source>The field %1 should be a list, not %2.</source>
        <translation>يجب أن يكون الحقل %1 قائمة، لا %2.</translation>
    </message>
    <message>
        <source>The field %1 is %2, before the tick of the action before it (%3).</source>
        <translation>الحقل %1 قيمته %2، قبل نبضة الإجراء السابق (%3).</translation>
    </message>
    <message>
        <source>The field %1 is %2, after the run&apos;s last tick (%3).</source>
        <translation>الحقل %1 قيمته %2، بعد آخر نبضة في التشغيل (%3).</translation>
    </message>
    <message>
        <source>The field %1 should be a list of at most %2 planned losses.</source>
        <translation>يجب أن يكون الحقل %1 قائمة فيها %2 حالة فقد مخطط لها على الأكثر.</translation>
    </message>
    <message>
        <source>The entry %1 should be one planned loss such as &quot;p5&quot;, &quot;p7.2&quot; or &quot;a9&quot;.</source>
        <translation>يجب أن يكون العنصر %1 فقدًا مخططًا واحدًا مثل «p5» أو «p7.2» أو «a9».</translation>
    </message>
    <message>
        <source>The file holds JSON but not a run: its top level is %1, not an object.</source>
        <translation>الملف يحوي JSON لكنه ليس تشغيلًا: مستواه الأعلى %1، لا كائن.</translation>
    </message>
    <message>
        <source>The file is not a run file: its field %1 is not %2.</source>
        <translation>الملف ليس ملف تشغيل: حقله %1 ليس %2.</translation>
    </message>
    <message>
        <source>The file is format version %1, newer than this program reads (%2); a newer version of the program opens it.</source>
        <translation>الملف بصيغة الإصدار %1، أحدث مما يقرؤه هذا البرنامج (%2)؛ يفتحه إصدار أحدث من البرنامج.</translation>
    </message>
    <message>
        <source>The field %1 should be a list of one or two runs.</source>
        <translation>يجب أن يكون الحقل %1 قائمة من تشغيل واحد أو تشغيلين.</translation>
    </message>
    <message>
        <source>The field %1 should be a list of at most %2 questions.</source>
        <translation>يجب أن يكون الحقل %1 قائمة فيها %2 سؤالًا على الأكثر.</translation>
    </message>
    <message>
        <source>The field %1 is before the tick of the question before it.</source>
        <translation>الحقل %1 قبل نبضة السؤال السابق.</translation>
    </message>
    <message>
        <source>The file holds an object with more than %1 fields; a run file&apos;s have a dozen at most.</source>
        <translation>الملف يحوي كائنًا فيه أكثر من %1 حقلًا؛ وكائنات ملف التشغيل فيها اثنا عشر حقلًا على الأكثر.</translation>
    </message>
    <message>
        <source>The file nests its lists and objects more than %1 deep; a run file needs three.</source>
        <translation>الملف يداخل قوائمه وكائناته أعمق من %1 مستويات؛ وملف التشغيل يحتاج إلى ثلاثة.</translation>
    </message>
    <message>
        <source>The file holds more values than a run file of %1 MB can.</source>
        <translation>الملف يحوي قيمًا أكثر مما يمكن أن يحويه ملف تشغيل حجمه %1 MB.</translation>
    </message>
    <message>
        <source>The file holds a NUL byte at %1: a run file is plain text.</source>
        <translation>الملف يحوي بايت NUL عند %1: ملف التشغيل نص عادي.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text: a malformed byte stands at %1.</source>
        <translation>الملف ليس نصًا بترميز UTF-8: يوجد بايت مشوَّه عند %1.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>الملف فارغ.</translation>
    </message>
    <message>
        <source>The file is not valid JSON: something unexpected stands at %1.</source>
        <translation>الملف ليس JSON صالحًا: يوجد شيء غير متوقع عند %1.</translation>
    </message>
    <message>
        <source>The file ends too early, at %1: it is cut short.</source>
        <translation>ينتهي الملف مبكرًا جدًا، عند %1: إنه مبتور.</translation>
    </message>
    <message>
        <source>The file has more after its end, at %1.</source>
        <translation>في الملف المزيد بعد نهايته، عند %1.</translation>
    </message>
    <message>
        <source>The file is not valid JSON.</source>
        <translation>الملف ليس JSON صالحًا.</translation>
    </message>
    <message>
        <source>The file holds a value of the wrong kind.</source>
        <translation>الملف يحوي قيمة من نوع خاطئ.</translation>
    </message>
    <message>
        <source>Could not open %1: there is no such file.</source>
        <translation>تعذّر فتح %1: لا يوجد ملف كهذا.</translation>
    </message>
    <message>
        <source>Could not open %1: it is a folder, not a file.</source>
        <translation>تعذّر فتح %1: إنه مجلد، لا ملف.</translation>
    </message>
    <message>
        <source>Could not open %1: %2.</source>
        <translation>تعذّر فتح %1: %2.</translation>
    </message>
    <message>
        <source>Could not open %1: it is not a plain file.</source>
        <translation>تعذّر فتح %1: ليس ملفًا عاديًا.</translation>
    </message>
    <message>
        <source>Could not open %1: it cannot be read.</source>
        <translation>تعذّر فتح %1: لا يمكن قراءته.</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>تعذّرت كتابة %1: %2.</translation>
    </message>
    <message>
        <source>This run is too long to save: its first %1 ticks were dropped to keep within the memory budget.</source>
        <translation>هذا التشغيل أطول من أن يُحفظ: حُذفت أول %1 نبضة منه للبقاء ضمن ميزانية الذاكرة.</translation>
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
        <translation>البدء البطيء</translation>
    </message>
    <message>
        <source>Avoidance</source>
        <translation>تجنب الازدحام</translation>
    </message>
    <message>
        <source>Fast Retransmit</source>
        <translation>إعادة الإرسال السريع</translation>
    </message>
    <message>
        <source>Selective Repeat</source>
        <translation>التكرار الانتقائي</translation>
    </message>
    <message>
        <source>Delayed ACKs</source>
        <translation>إشعارات ACK المؤخرة</translation>
    </message>
    <message>
        <source>Auto RTT</source>
        <translation>Auto RTT</translation>
    </message>
    <message>
        <source>Slide Numbers</source>
        <translation>إزاحة الأرقام</translation>
    </message>
    <message>
        <source>Tx Window Size</source>
        <translation>حجم نافذة الإرسال</translation>
    </message>
    <message>
        <source>Current Flight Size</source>
        <translation>الحزم في الطريق الآن</translation>
    </message>
    <message>
        <source>Duplicate ACKs</source>
        <translation>إشعارات ACK المكررة</translation>
    </message>
    <message>
        <source>SSThresh</source>
        <translation>SSThresh</translation>
    </message>
    <message>
        <source>Rx Window Size</source>
        <translation>حجم نافذة الاستقبال</translation>
    </message>
    <message>
        <source>Timeout Timer</source>
        <translation>مؤقت المهلة</translation>
    </message>
    <message>
        <source>TimeOut Timer</source>
        <translation>مؤقت المهلة</translation>
    </message>
    <message>
        <source>Max Sequence No</source>
        <translation>أقصى رقم تسلسلي</translation>
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
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>Packet X : Sequence Number X</source>
        <translation>الحزمة X : الرقم التسلسلي X</translation>
    </message>
    <message>
        <source>ACK for X : Sent After Packet X Arrived</source>
        <translation>ACK لـ X : أُرسل بعد وصول الحزمة X</translation>
    </message>
    <message>
        <source>Packet %1 : Sequence Number %2</source>
        <translation>الحزمة %1 : الرقم التسلسلي %2</translation>
    </message>
    <message>
        <source>ACK with Seq Num %1 (packet %2) : Packet %3 Arrived</source>
        <translation>ACK بالرقم التسلسلي %1 (الحزمة %2) : وصلت الحزمة %3</translation>
    </message>
    <message>
        <source>Press &apos;Start&apos; to go...</source>
        <translation>اضغط &apos;Start&apos; للبدء...</translation>
    </message>
    <message>
        <source>Hoping for ACK with sequence number %1</source>
        <translation>بانتظار ACK بالرقم التسلسلي %1</translation>
    </message>
    <message>
        <source>Hoping for ACK with sequence number between %1 and %2</source>
        <translation>بانتظار ACK برقم تسلسلي بين %1 و%2</translation>
    </message>
    <message>
        <source>Waiting for packet %1 with sequence number %2</source>
        <translation>بانتظار الحزمة %1 بالرقم التسلسلي %2</translation>
    </message>
    <message>
        <source>Transmit window now %1 only %2 in flight, so sending packet %3</source>
        <translation>نافذة الإرسال الآن %1 وفي الطريق %2 فقط، لذا تُرسل الحزمة %3</translation>
    </message>
    <message>
        <source>Sending ACK for packet %1 (sequence number %2) asking for packet with sequence number %3</source>
        <translation>إرسال ACK للحزمة %1 (الرقم التسلسلي %2) يطلب الحزمة ذات الرقم التسلسلي %3</translation>
    </message>
    <message>
        <source> %1 Duplicate ACK for sequence number %2 arrived</source>
        <translation> وصل ACK المكرر رقم %1 للرقم التسلسلي %2</translation>
    </message>
    <message>
        <source>Non-Duplicate ACK arrived: leaving fast re-transmit.</source>
        <translation>وصل ACK غير مكرر: الخروج من إعادة الإرسال السريع.</translation>
    </message>
    <message>
        <source>New ACK arrived: increasing window size to %1</source>
        <translation>وصل ACK جديد: تكبير النافذة إلى %1</translation>
    </message>
    <message>
        <source>Third duplicate ACK arrived.  Entering fast retransmit, and retransmitting packet %1</source>
        <translation>وصل ACK المكرر الثالث.  الدخول في إعادة الإرسال السريع وإعادة إرسال الحزمة %1</translation>
    </message>
    <message>
        <source>Third duplicate ACK arrived.  Tahoe: retransmitting packet %1 and starting again from a window of one packet</source>
        <translation>وصل ACK المكرر الثالث.  Tahoe: إعادة إرسال الحزمة %1 والبدء من جديد بنافذة من حزمة واحدة</translation>
    </message>
    <message>
        <source>Retransmitting packet %1</source>
        <translation>إعادة إرسال الحزمة %1</translation>
    </message>
    <message>
        <source>Going back: retransmitting packet %1</source>
        <translation>العودة: إعادة إرسال الحزمة %1</translation>
    </message>
    <message>
        <source>Run Out of Packets to Send</source>
        <translation>لم تبقَ حزم للإرسال</translation>
    </message>
</context>
<context>
    <name>status</name>
    <message>
        <source>End of the lesson</source>
        <translation>نهاية الدرس</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>التشغيل %1</translation>
    </message>
    <message>
        <source>Tick %1</source>
        <translation>النبضة %1</translation>
    </message>
    <message>
        <source>Run %1: %2</source>
        <translation>التشغيل %1: %2</translation>
    </message>
    <message>
        <source>Run %1, options kept at Reset</source>
        <translation>التشغيل %1، الخيارات محفوظة عند Reset</translation>
    </message>
    <message>
        <source>%1: End of the lesson</source>
        <translation>%1: نهاية الدرس</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>Receiver keeps only in-order packets</source>
        <translation>المستقبل لا يحتفظ إلا بالحزم المرتبة</translation>
    </message>
    <message>
        <source>Sender resends the whole window on a timeout</source>
        <translation>المرسل يعيد إرسال النافذة كلها عند انتهاء المهلة</translation>
    </message>
    <message>
        <source>Fast retransmit restarts slow start (Tahoe)</source>
        <translation>إعادة الإرسال السريع تعيد البدء البطيء (Tahoe)</translation>
    </message>
    <message>
        <source>This run has used every packet number up to %1. Press Reset to start a new run.</source>
        <translation>استهلك هذا التشغيل كل أرقام الحزم حتى %1. اضغط Reset لبدء تشغيل جديد.</translation>
    </message>
</context>
</TS>
