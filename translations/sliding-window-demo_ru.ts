<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>ClassroomPanel</name>
    <message>
        <source>Classroom Session</source>
        <translation>Занятие в классе</translation>
    </message>
    <message>
        <source>QR code of the address to join the class</source>
        <translation>QR-код адреса для подключения к классу</translation>
    </message>
    <message>
        <source>&amp;Ask the Room</source>
        <translation>&amp;Спросить класс</translation>
    </message>
    <message>
        <source>&amp;Reveal</source>
        <translation>&amp;Показать</translation>
    </message>
    <message>
        <source>&amp;Vote Again</source>
        <translation>&amp;Голосовать снова</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Воспроизвести</translation>
    </message>
    <message>
        <source>&amp;Stop Session</source>
        <translation>&amp;Завершить занятие</translation>
    </message>
</context>
<context>
    <name>ClassroomServer</name>
    <message>
        <source>The classroom session could not listen on port %1: %2</source>
        <translation>Занятие в классе не смогло слушать порт %1: %2</translation>
    </message>
</context>
<context>
    <name>ClassroomSession</name>
    <message>
        <source>The class answers could not be written to %1: %2</source>
        <translation>Не удалось записать ответы класса в %1: %2</translation>
    </message>
    <message>
        <source>Part of the program could not be loaded: %1</source>
        <translation>Не удалось загрузить часть программы: %1</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 отсутствует</translation>
    </message>
</context>
<context>
    <name>CompareChart</name>
    <message>
        <source>Click a tick to take every configuration back to it</source>
        <translation>Щёлкните по такту, чтобы вернуть все конфигурации к нему</translation>
    </message>
    <message>
        <source>Transmit window (packets)</source>
        <translation>Окно передачи (пакеты)</translation>
    </message>
    <message>
        <source>Goodput (packets per 100 ticks, over the last 200)</source>
        <translation>Полезная пропускная способность (пакетов за 100 тактов, по последним 200)</translation>
    </message>
    <message>
        <source>tick (50 ms at 1×)</source>
        <translation>такт (50 мс при 1×)</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Compare</source>
        <translation>Сравнить</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Configuration &amp;%1:</source>
        <translation>Конфигурация &amp;%1:</translation>
    </message>
    <message>
        <source> (Network → Losses… changes them, here or in the comparison)</source>
        <translation> (Сеть → Потери… меняет их, здесь или в сравнении)</translation>
    </message>
    <message>
        <source>Run these side by side from one clock, with the same losses:</source>
        <translation>Запустить рядом от одних часов с одинаковыми потерями:</translation>
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
        <translation>Сравнение: %1</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Запуск</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>&amp;Шаг</translation>
    </message>
    <message>
        <source>Step &amp;Back</source>
        <translation>Шаг &amp;назад</translation>
    </message>
    <message>
        <source>Speed of the shared clock</source>
        <translation>Скорость общих часов</translation>
    </message>
    <message>
        <source>&amp;Losses…</source>
        <translation>&amp;Потери…</translation>
    </message>
    <message>
        <source>&amp;Diagram…</source>
        <translation>&amp;Диаграмма…</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Сохранить…</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Меньше</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Больше</translation>
    </message>
    <message>
        <source>Each configuration loses the same packets and ACKs. A click on the chart takes all of them back to that tick; a packet or ACK you lose in one window is lost in the others too.</source>
        <translation>Каждая конфигурация теряет одни и те же пакеты и ACK. Щелчок по графику возвращает все конфигурации к этому такту; пакет или ACK, потерянный вами в одном окне, теряется и в остальных.</translation>
    </message>
    <message>
        <source>E&amp;xport Picture…</source>
        <translation>Э&amp;кспорт изображения…</translation>
    </message>
    <message>
        <source>&amp;Handout…</source>
        <translation>&amp;Раздаточный материал…</translation>
    </message>
</context>
<context>
    <name>EventLogModel</name>
    <message>
        <source>sender</source>
        <translation>отправитель</translation>
    </message>
    <message>
        <source>receiver</source>
        <translation>получатель</translation>
    </message>
    <message>
        <source>user</source>
        <translation>пользователь</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Такт</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Сторона</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Что произошло</translation>
    </message>
</context>
<context>
    <name>EventLogView</name>
    <message>
        <source>Show:</source>
        <translation>Показать:</translation>
    </message>
</context>
<context>
    <name>LadderView</name>
    <message>
        <source>Time-Sequence Diagram</source>
        <translation>Диаграмма последовательности</translation>
    </message>
    <message>
        <source>Time-sequence diagram of the run</source>
        <translation>Диаграмма последовательности прогона</translation>
    </message>
    <message>
        <source>Export Picture…</source>
        <translation>Экспорт изображения…</translation>
    </message>
</context>
<context>
    <name>LegendDialog</name>
    <message>
        <source>Legend</source>
        <translation>Легенда</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>LessonsDialog</name>
    <message>
        <source>Lessons</source>
        <translation>Уроки</translation>
    </message>
</context>
<context>
    <name>LossesDialog</name>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Потери</translation>
    </message>
    <message>
        <source>At random</source>
        <translation>Случайные</translation>
    </message>
    <message>
        <source>&amp;Packets lost:</source>
        <translation>&amp;Потеря пакетов:</translation>
    </message>
    <message>
        <source>&amp;ACKs lost:</source>
        <translation>Потеря &amp;ACK:</translation>
    </message>
    <message>
        <source>&amp;Seed:</source>
        <translation>&amp;Начальное значение:</translation>
    </message>
    <message>
        <source>Packet</source>
        <translation>Пакет</translation>
    </message>
    <message>
        <source>ACK for packet</source>
        <translation>ACK на пакет</translation>
    </message>
    <message>
        <source>The packet&apos;s number; for an ACK, the packet whose arrival sends it</source>
        <translation>Номер пакета; для ACK — пакет, прибытие которого его вызывает</translation>
    </message>
    <message>
        <source>transmission </source>
        <translation>передача </translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>Planned</source>
        <translation>Запланированные</translation>
    </message>
    <message>
        <source>Each loss is a double click on the packet or ACK as it crosses the middle of the network, recorded like yours. The same seed loses the same packets in every run and every protocol.</source>
        <translation>Каждая потеря — это двойной щелчок по пакету или ACK, когда он пересекает середину сети, записанный так же, как ваши. Одно и то же начальное значение теряет одни и те же пакеты в каждом прогоне и при каждом протоколе.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Time-Sequence Diagram</source>
        <translation>Диаграмма &amp;последовательности</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Lessons...</source>
        <translation>&amp;Уроки...</translation>
    </message>
    <message>
        <source>&amp;Keys and Mouse</source>
        <translation>&amp;Клавиатура и мышь</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Выйти из полноэкранного режима</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Shift+Tab</translation>
    </message>
    <message>
        <source>Move among the panel&apos;s controls, then into the flight area</source>
        <translation>Переходить между элементами панели, затем в область передачи</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробел</translation>
    </message>
    <message>
        <source>Press the focused button or tick the focused box</source>
        <translation>Нажать кнопку в фокусе или отметить флажок в фокусе</translation>
    </message>
    <message>
        <source>Arrow keys on a slider</source>
        <translation>Стрелки на ползунке</translation>
    </message>
    <message>
        <source>Up for more on the window and sequence sliders; Right for a longer timeout</source>
        <translation>Вверх — больше для ползунков окна и номеров; вправо — более длинный тайм-аут</translation>
    </message>
    <message>
        <source>Arrow keys in the flight area</source>
        <translation>Стрелки в области передачи</translation>
    </message>
    <message>
        <source>Pick a travelling packet or ACK (it is outlined)</source>
        <translation>Выбрать пакет или ACK в пути (он обводится рамкой)</translation>
    </message>
    <message>
        <source>Space in the flight area</source>
        <translation>Пробел в области передачи</translation>
    </message>
    <message>
        <source>Hold the picked one, or let it go on</source>
        <translation>Задержать выбранный или отпустить его дальше</translation>
    </message>
    <message>
        <source>Delete in the flight area</source>
        <translation>Delete в области передачи</translation>
    </message>
    <message>
        <source>Lose the picked one</source>
        <translation>Потерять выбранный</translation>
    </message>
    <message>
        <source>Keys and Mouse</source>
        <translation>Клавиатура и мышь</translation>
    </message>
    <message>
        <source>On the chart: the wheel zooms, the scroll bar below moves through the run, a click puts the cursor on a tick, a double click (or &lt;i&gt;Rewind to Cursor&lt;/i&gt;) goes back to it. Selecting a line of the log moves the cursor to its tick.</source>
        <translation>На графике: колесо масштабирует, полоса прокрутки под ним перемещает по прогону, щелчок ставит курсор на такт, двойной щелчок (или &lt;i&gt;Вернуться к курсору&lt;/i&gt;) возвращает к нему. Выбор строки журнала переносит курсор на её такт.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Version %2&lt;/p&gt;&lt;p&gt;A sliding-window transport protocol with congestion control, animated on a 50 ms clock: slow start, congestion avoidance, fast retransmit and recovery, selective repeat, delayed ACKs and an adaptive timeout.&lt;/p&gt;&lt;p&gt;The run is recorded as it goes, so it can be stepped back, rewound to any earlier tick on the chart, and exported.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Версия %2&lt;/p&gt;&lt;p&gt;Транспортный протокол со скользящим окном и управлением перегрузкой, анимированный на часах с тактом 50 мс: медленный старт, предотвращение перегрузки, быстрая повторная передача и быстрое восстановление, выборочный повтор, отложенные ACK и адаптивный тайм-аут.&lt;/p&gt;&lt;p&gt;Прогон записывается по ходу, поэтому его можно отматывать по шагам, возвращать к любому прежнему такту на графике и экспортировать.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>The window</source>
        <translation>Окно</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>График</translation>
    </message>
    <message>
        <source>The time-sequence diagram</source>
        <translation>Диаграмма последовательности</translation>
    </message>
    <message>
        <source>The table of figures</source>
        <translation>Таблица показателей</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Экспорт изображения</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Показать:</translation>
    </message>
    <message>
        <source>Export Comparison Picture</source>
        <translation>Экспорт изображения сравнения</translation>
    </message>
    <message>
        <source>Show together:</source>
        <translation>Показать вместе:</translation>
    </message>
    <message>
        <source>Export Handout</source>
        <translation>Экспорт раздаточного материала</translation>
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
        <translation>&amp;Бумага:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>по</translation>
    </message>
    <message>
        <source>Ticks from:</source>
        <translation>Такты с:</translation>
    </message>
    <message>
        <source>four ticks spread over the range</source>
        <translation>четыре такта, равномерно по диапазону</translation>
    </message>
    <message>
        <source>Up to four ticks, separated by commas, such as 0, 150, 300, 450</source>
        <translation>До четырёх тактов через запятую, например 0, 150, 300, 450</translation>
    </message>
    <message>
        <source>&amp;Window at ticks:</source>
        <translation>&amp;Окно в тактах:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <source>Title line: the run, its protocol, losses and ticks</source>
        <translation>Строка заголовка: прогон, его протокол, потери и такты</translation>
    </message>
    <message>
        <source>Choose at least one view to show.</source>
        <translation>Выберите хотя бы одно представление для показа.</translation>
    </message>
    <message>
        <source>Window at ticks: %1.</source>
        <translation>Окно в тактах: %1.</translation>
    </message>
</context>
<context>
    <name>PracticePanel</name>
    <message>
        <source>Practice</source>
        <translation>Упражнение</translation>
    </message>
    <message>
        <source>Skip (Esc)</source>
        <translation>Пропустить (Esc)</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Счёт:</translation>
    </message>
    <message>
        <source>Questions per minute:</source>
        <translation>Вопросов в минуту:</translation>
    </message>
    <message>
        <source>Copy Summary</source>
        <translation>Копировать итог</translation>
    </message>
    <message>
        <source>Watching the run for the next question…</source>
        <translation>Наблюдение за прогоном до следующего вопроса…</translation>
    </message>
    <message>
        <source>Watch the run: the event comes in a few ticks.</source>
        <translation>Следите за прогоном: событие произойдёт через несколько тактов.</translation>
    </message>
    <message>
        <source>Skipped: the run gave %1.</source>
        <translation>Пропущено: прогон дал %1.</translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>Верно.</translation>
    </message>
    <message>
        <source>Not so: the run gave %1.</source>
        <translation>Не так: прогон дал %1.</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>Верно %1 из %2</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Time-Sequence Diagrams, Ticks %1 to %2</source>
        <translation>Диаграммы последовательности, такты с %1 по %2</translation>
    </message>
    <message>
        <source>A receiver cell: a packet&apos;s number. Its colour (and, with state marks on, its mark) says whether the receiver awaits or holds the packet; View &gt; Legend explains them.</source>
        <translation>Ячейка получателя: номер пакета. Её цвет (а при включённых метках состояния и метка) показывает, ждёт ли получатель пакет или уже хранит его; пояснения — в меню Вид &gt; Легенда.</translation>
    </message>
    <message>
        <source>A packet on its way to the receiver. </source>
        <translation>Пакет на пути к получателю. </translation>
    </message>
    <message>
        <source>An ACK on its way back to the sender. </source>
        <translation>ACK на пути обратно к отправителю. </translation>
    </message>
    <message>
        <source>sender cell</source>
        <translation>ячейка отправителя</translation>
    </message>
    <message>
        <source>receiver cell</source>
        <translation>ячейка получателя</translation>
    </message>
    <message>
        <source>Timeout Timer</source>
        <translation>Таймер тайм-аута</translation>
    </message>
    <message>
        <source>Tx Window Size</source>
        <translation>Размер окна передачи</translation>
    </message>
    <message>
        <source>Rx Window Size</source>
        <translation>Размер окна приёма</translation>
    </message>
    <message>
        <source>Max Sequence No</source>
        <translation>Макс. порядковый номер</translation>
    </message>
    <message>
        <source>setting %1</source>
        <translation>значение %1</translation>
    </message>
    <message>
        <source>highest sequence number %1</source>
        <translation>наибольший порядковый номер %1</translation>
    </message>
    <message>
        <source>%1 packets</source>
        <translation>%1 пакетов</translation>
    </message>
    <message>
        <source>Timeout bar: runs down while the packet waits for its ACK; when it is empty the packet is sent again.</source>
        <translation>Полоса тайм-аута: убывает, пока пакет ждёт свой ACK; когда она пуста, пакет передаётся повторно.</translation>
    </message>
    <message>
        <source>The sender strip. The purple frame is the sender&apos;s window: the packets it may send before an ACK comes back.</source>
        <translation>Полоса отправителя. Фиолетовая рамка — окно отправителя: пакеты, которые он может отправить до возвращения ACK.</translation>
    </message>
    <message>
        <source>The receiver strip. The purple frame is the receiver&apos;s window: the packets it takes in.</source>
        <translation>Полоса получателя. Фиолетовая рамка — окно получателя: пакеты, которые он принимает.</translation>
    </message>
    <message>
        <source>Packets travel down on the left, ACKs up on the right. </source>
        <translation>Пакеты идут вниз слева, ACK — вверх справа. </translation>
    </message>
    <message>
        <source>Page &amp;Address...</source>
        <translation>&amp;Адрес страницы...</translation>
    </message>
    <message>
        <source>Page Address</source>
        <translation>Адрес страницы</translation>
    </message>
    <message>
        <source>The address where the page is published (https://...):</source>
        <translation>Адрес, по которому опубликована страница (https://...):</translation>
    </message>
    <message>
        <source>Show Link as &amp;QR Code</source>
        <translation>Показать ссылку как &amp;QR-код</translation>
    </message>
    <message>
        <source>Show Link as QR Code (set the page&apos;s address first: View &gt; Page Address or --page-url URL)</source>
        <translation>Показать ссылку как QR-код (сначала задайте адрес страницы: Вид &gt; Адрес страницы или --page-url URL)</translation>
    </message>
    <message>
        <source>The page address %1 is not used: it must be a web address beginning with https:// or http://, or a file:// address.</source>
        <translation>Адрес страницы %1 не используется: это должен быть веб-адрес, начинающийся с https:// или http://, либо адрес file://.</translation>
    </message>
    <message>
        <source>&amp;Chart and Log</source>
        <translation>&amp;График и журнал</translation>
    </message>
    <message>
        <source>&amp;Open Run...</source>
        <translation>&amp;Открыть прогон...</translation>
    </message>
    <message>
        <source>&amp;Save Run As...</source>
        <translation>&amp;Сохранить прогон как...</translation>
    </message>
    <message>
        <source>Export Chart as &amp;PNG...</source>
        <translation>Экспорт графика в &amp;PNG...</translation>
    </message>
    <message>
        <source>Export Chart as PNG</source>
        <translation>Экспорт графика в PNG</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Изображения PNG (*.png)</translation>
    </message>
    <message>
        <source>Export Chart as S&amp;VG...</source>
        <translation>Экспорт графика в S&amp;VG...</translation>
    </message>
    <message>
        <source>Export Chart as SVG</source>
        <translation>Экспорт графика в SVG</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Рисунки SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export Run as &amp;CSV...</source>
        <translation>Экспорт прогона в &amp;CSV...</translation>
    </message>
    <message>
        <source>Export Run as CSV</source>
        <translation>Экспорт прогона в CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Run as Packet Ca&amp;pture...</source>
        <translation>Экспорт прогона как &amp;перехват пакетов...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>Не удалось записать %1.</translation>
    </message>
    <message>
        <source>Packet capture at the sender (*.pcap)</source>
        <translation>Перехват пакетов у отправителя (*.pcap)</translation>
    </message>
    <message>
        <source>Packet capture at the receiver (*.pcap)</source>
        <translation>Перехват пакетов у получателя (*.pcap)</translation>
    </message>
    <message>
        <source>Export Run as Packet Capture</source>
        <translation>Экспорт прогона как перехват пакетов</translation>
    </message>
    <message>
        <source>Open Run</source>
        <translation>Открыть прогон</translation>
    </message>
    <message>
        <source>Runs (*.swrun *.json);;All files (*)</source>
        <translation>Прогоны (*.swrun *.json);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Save Run As</source>
        <translation>Сохранить прогон как</translation>
    </message>
    <message>
        <source>Runs (*.swrun);;Runs, as before (*.json)</source>
        <translation>Прогоны (*.swrun);;Прогоны, старый формат (*.json)</translation>
    </message>
    <message>
        <source>%1 cannot be opened. %2</source>
        <translation>Не удаётся открыть %1. %2</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Прогон</translation>
    </message>
    <message>
        <source>S&amp;tep One Tick</source>
        <translation>&amp;Шаг на один такт</translation>
    </message>
    <message>
        <source>Step &amp;Back One Tick</source>
        <translation>Шаг &amp;назад на один такт</translation>
    </message>
    <message>
        <source>&amp;Compare…</source>
        <translation>&amp;Сравнить…</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>&amp;Упражнение</translation>
    </message>
    <message>
        <source>Spee&amp;d</source>
        <translation>С&amp;корость</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>&amp;Protocol</source>
        <translation>П&amp;ротокол</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>&amp;Сеть</translation>
    </message>
    <message>
        <source>&amp;Losses…</source>
        <translation>&amp;Потери…</translation>
    </message>
    <message>
        <source>&amp;No Losses</source>
        <translation>&amp;Без потерь</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Увеличить</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Уменьшить</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Исходный размер</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Полный экран</translation>
    </message>
    <message>
        <source>Colour-blind safe colours</source>
        <translation>Цвета для дальтоников</translation>
    </message>
    <message>
        <source>State marks</source>
        <translation>Метки состояния</translation>
    </message>
    <message>
        <source>&amp;Legend</source>
        <translation>&amp;Легенда</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>The program speaks %1 from its next start.</source>
        <translation>Программа будет говорить на языке «%1» со следующего запуска.</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Язык системы</translation>
    </message>
    <message>
        <source>Classroom &amp;Session…</source>
        <translation>&amp;Занятие в классе…</translation>
    </message>
    <message>
        <source>Export Class &amp;Answers…</source>
        <translation>Экспорт &amp;ответов класса…</translation>
    </message>
    <message>
        <source>Export Class Answers</source>
        <translation>Экспорт ответов класса</translation>
    </message>
    <message>
        <source>Now %1.</source>
        <translation>Сейчас: %1.</translation>
    </message>
    <message>
        <source>Copy &amp;Link to Run</source>
        <translation>Копировать &amp;ссылку на прогон</translation>
    </message>
    <message>
        <source>Export P&amp;icture...</source>
        <translation>Экспорт &amp;изображения...</translation>
    </message>
    <message>
        <source>Export &amp;Figures as CSV...</source>
        <translation>Экспорт &amp;показателей в CSV...</translation>
    </message>
    <message>
        <source>Export Figures as CSV</source>
        <translation>Экспорт показателей в CSV</translation>
    </message>
    <message>
        <source>Export &amp;Handout (PDF)...</source>
        <translation>Экспорт &amp;раздаточного материала (PDF)...</translation>
    </message>
    <message>
        <source>P&amp;rint Handout...</source>
        <translation>Пе&amp;чать раздаточного материала...</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Экспорт изображения</translation>
    </message>
    <message>
        <source>PNG images (*.png);;SVG drawings (*.svg)</source>
        <translation>Изображения PNG (*.png);;Рисунки SVG (*.svg)</translation>
    </message>
    <message>
        <source>Export Comparison Picture</source>
        <translation>Экспорт изображения сравнения</translation>
    </message>
    <message>
        <source>Export Handout</source>
        <translation>Экспорт раздаточного материала</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Документы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The handout could not be printed.</source>
        <translation>Не удалось напечатать раздаточный материал.</translation>
    </message>
    <message>
        <source>&amp;Go to Tick…</source>
        <translation>&amp;Перейти к такту…</translation>
    </message>
    <message>
        <source>Go to Tick</source>
        <translation>Перейти к такту</translation>
    </message>
    <message>
        <source>Tick (now %1; a later tick plays on to it, an earlier one rewinds):</source>
        <translation>Такт (сейчас %1; к более позднему прогон дойдёт, к более раннему — перемотается назад):</translation>
    </message>
</context>
<context>
    <name>QrDialog</name>
    <message>
        <source>Link as QR Code</source>
        <translation>Ссылка в виде QR-кода</translation>
    </message>
    <message>
        <source>QR code of the link to this run</source>
        <translation>QR-код ссылки на этот прогон</translation>
    </message>
    <message>
        <source>Scan to open this run on a phone (%1 characters).</source>
        <translation>Отсканируйте, чтобы открыть этот прогон на телефоне (%1 символов).</translation>
    </message>
    <message>
        <source>&amp;Copy Link</source>
        <translation>&amp;Копировать ссылку</translation>
    </message>
</context>
<context>
    <name>RunChart</name>
    <message>
        <source>tick (50 ms at 1×)</source>
        <translation>такт (50 мс при 1×)</translation>
    </message>
    <message>
        <source>packets</source>
        <translation>пакеты</translation>
    </message>
    <message>
        <source>Avoidance</source>
        <translation>Предотвращение перегрузки</translation>
    </message>
    <message>
        <source>tick %1</source>
        <translation>такт %1</translation>
    </message>
    <message>
        <source>Put Cursor on Tick %1</source>
        <translation>Поставить курсор на такт %1</translation>
    </message>
    <message>
        <source>Rewind to Tick %1</source>
        <translation>Вернуться к такту %1</translation>
    </message>
    <message>
        <source>Export Picture…</source>
        <translation>Экспорт изображения…</translation>
    </message>
</context>
<context>
    <name>RunPanel</name>
    <message>
        <source>Chart and Log</source>
        <translation>График и журнал</translation>
    </message>
    <message>
        <source>The run the chart, the log and the CSV export show; each Reset begins a new run</source>
        <translation>Прогон, который показывают график, журнал и экспорт CSV; каждый Reset начинает новый прогон</translation>
    </message>
    <message>
        <source>Run 1 (current)</source>
        <translation>Прогон 1 (текущий)</translation>
    </message>
    <message>
        <source>Follow Run</source>
        <translation>Следить за прогоном</translation>
    </message>
    <message>
        <source>Keep the latest tick at the right edge</source>
        <translation>Держать последний такт у правого края</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Fewer ticks across the chart (%1)</source>
        <translation>Меньше тактов на графике (%1)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>More ticks across the chart (%1)</source>
        <translation>Больше тактов на графике (%1)</translation>
    </message>
    <message>
        <source>Whole Run</source>
        <translation>Весь прогон</translation>
    </message>
    <message>
        <source>Every tick so far</source>
        <translation>Все такты до сих пор</translation>
    </message>
    <message>
        <source>Rewind to Cursor</source>
        <translation>Вернуться к курсору</translation>
    </message>
    <message>
        <source>Go back to the tick under the cursor and pause there; what happened after it is dropped (also: double click on the chart)</source>
        <translation>Вернуться к такту под курсором и остановиться там; всё, что было после, отбрасывается (также: двойной щелчок по графику)</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>Прогон %1</translation>
    </message>
    <message>
        <source> (current)</source>
        <translation> (текущий)</translation>
    </message>
    <message>
        <source>  cursor: tick %1 of %2</source>
        <translation>  курсор: такт %1 из %2</translation>
    </message>
    <message>
        <source>  tick %1 (click the chart to put the cursor on a tick)</source>
        <translation>  такт %1 (щёлкните по графику, чтобы поставить курсор на такт)</translation>
    </message>
</context>
<context>
    <name>chart</name>
    <message>
        <source>Tx window</source>
        <translation>Окно передачи</translation>
    </message>
    <message>
        <source>SSThresh</source>
        <translation>SSThresh</translation>
    </message>
    <message>
        <source>Flight size</source>
        <translation>Пакеты в пути</translation>
    </message>
    <message>
        <source>Rx window</source>
        <translation>Окно приёма</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Тайм-аут</translation>
    </message>
    <message>
        <source>Fast retransmit</source>
        <translation>Быстрая повторная передача</translation>
    </message>
    <message>
        <source>Packet lost</source>
        <translation>Пакет потерян</translation>
    </message>
    <message>
        <source>ACK lost</source>
        <translation>ACK потерян</translation>
    </message>
    <message>
        <source>State change</source>
        <translation>Смена состояния</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>Отброшен</translation>
    </message>
    <message>
        <source>Avoidance</source>
        <translation>Предотвращение перегрузки</translation>
    </message>
</context>
<context>
    <name>diagram</name>
    <message>
        <source>%1 (seq %2)</source>
        <translation>%1 (№ %2)</translation>
    </message>
    <message>
        <source>ACK %1 dup</source>
        <translation>ACK %1 дубль</translation>
    </message>
    <message>
        <source>ACK %1</source>
        <translation>ACK %1</translation>
    </message>
    <message>
        <source>timeout</source>
        <translation>тайм-аут</translation>
    </message>
    <message>
        <source>fast retransmit</source>
        <translation>быстрая повторная передача</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>drop %1</source>
        <translation>отброшен %1</translation>
    </message>
</context>
<context>
    <name>figures</name>
    <message>
        <source>Delivered in order</source>
        <translation>Доставлено по порядку</translation>
    </message>
    <message>
        <source>Retransmissions</source>
        <translation>Повторные передачи</translation>
    </message>
    <message>
        <source>Timeouts</source>
        <translation>Тайм-ауты</translation>
    </message>
    <message>
        <source>Drops by the receiver</source>
        <translation>Отброшено получателем</translation>
    </message>
    <message>
        <source>Goodput (per 100 ticks)</source>
        <translation>Полезная пропускная способность (на 100 тактов)</translation>
    </message>
    <message>
        <source>Goodput, last 200 ticks</source>
        <translation>Полезная пропускная способность, последние 200 тактов</translation>
    </message>
</context>
<context>
    <name>legend</name>
    <message>
        <source>not sent yet</source>
        <translation>ещё не отправлен</translation>
    </message>
    <message>
        <source>queued</source>
        <translation>в очереди</translation>
    </message>
    <message>
        <source>queued, waiting for its first trip</source>
        <translation>в очереди, ждёт первой отправки</translation>
    </message>
    <message>
        <source>queued again to be resent</source>
        <translation>снова в очереди на повторную отправку</translation>
    </message>
    <message>
        <source>queued again, waiting to be resent</source>
        <translation>снова в очереди, ждёт повторной отправки</translation>
    </message>
    <message>
        <source>in flight</source>
        <translation>в пути</translation>
    </message>
    <message>
        <source>in flight (sent once)</source>
        <translation>в пути (отправлен один раз)</translation>
    </message>
    <message>
        <source>in flight, retransmitted</source>
        <translation>в пути, передан повторно</translation>
    </message>
    <message>
        <source>sent again, in flight once more</source>
        <translation>отправлен снова, опять в пути</translation>
    </message>
    <message>
        <source>marked for a selective resend</source>
        <translation>отмечен для выборочного повтора</translation>
    </message>
    <message>
        <source>marked to be resent at the next tick (selective repeat)</source>
        <translation>отмечен для повторной отправки на следующем такте (выборочный повтор)</translation>
    </message>
    <message>
        <source>acknowledged</source>
        <translation>подтверждён</translation>
    </message>
    <message>
        <source>acknowledged: done</source>
        <translation>подтверждён: готово</translation>
    </message>
    <message>
        <source>outside the receive window</source>
        <translation>вне окна приёма</translation>
    </message>
    <message>
        <source>awaited</source>
        <translation>ожидается</translation>
    </message>
    <message>
        <source>inside the window, not here yet</source>
        <translation>в окне, ещё не пришёл</translation>
    </message>
    <message>
        <source>received</source>
        <translation>получен</translation>
    </message>
    <message>
        <source>received under another packet&apos;s number</source>
        <translation>получен под номером другого пакета</translation>
    </message>
    <message>
        <source>taken in under another packet&apos;s number (too few sequence numbers)</source>
        <translation>принят под номером другого пакета (слишком мало порядковых номеров)</translation>
    </message>
    <message>
        <source>✕ lost here</source>
        <translation>✕ потерян здесь</translation>
    </message>
    <message>
        <source>A click on a travelling packet or ACK holds it and a click on a held one lets it go on, but until the clock has run seven ticks after such a click (350 ms at 1×, 91 ms at 4×; a paused clock runs none), any further click on a packet or ACK loses the one clicked.</source>
        <translation>Щелчок по пакету или ACK в пути задерживает его, а щелчок по задержанному отпускает его дальше; но пока часы не пройдут семь тактов после такого щелчка (350 мс при 1×, 91 мс при 4×; остановленные часы не идут), любой следующий щелчок по пакету или ACK теряет тот, по которому щёлкнули.</translation>
    </message>
    <message>
        <source>Flight area</source>
        <translation>Область передачи</translation>
    </message>
    <message>
        <source>The arrow keys pick a travelling packet or ACK, Space holds or releases it, Delete loses it.</source>
        <translation>Стрелки выбирают пакет или ACK в пути, пробел задерживает или отпускает его, Delete теряет его.</translation>
    </message>
    <message>
        <source>Sender cells: what has happened to each packet</source>
        <translation>Ячейки отправителя: что стало с каждым пакетом</translation>
    </message>
    <message>
        <source>Timeout bar above the cell: runs down while the packet waits for its ACK; when it is empty the packet is sent again.</source>
        <translation>Полоса тайм-аута над ячейкой: убывает, пока пакет ждёт свой ACK; когда она пуста, пакет передаётся повторно.</translation>
    </message>
    <message>
        <source>Receiver cells: what the receiver holds</source>
        <translation>Ячейки получателя: что хранит получатель</translation>
    </message>
    <message>
        <source>Windows, packets and ACKs</source>
        <translation>Окна, пакеты и ACK</translation>
    </message>
    <message>
        <source>Purple frame: the sender&apos;s window (top) and the receiver&apos;s window (bottom).</source>
        <translation>Фиолетовая рамка: окно отправителя (вверху) и окно получателя (внизу).</translation>
    </message>
    <message>
        <source>Outlined packet or ACK: held by a click; it waits where it is.</source>
        <translation>Пакет или ACK в рамке: задержан щелчком; ждёт на месте.</translation>
    </message>
    <message>
        <source>A held packet or ACK waits where it is (turn on state marks to outline it).</source>
        <translation>Задержанный пакет или ACK ждёт на месте (включите метки состояния, чтобы обвести его).</translation>
    </message>
    <message>
        <source>A packet or ACK removed by a click leaves this mark for a moment (with state marks on). </source>
        <translation>Пакет или ACK, убранный щелчком, ненадолго оставляет эту метку (при включённых метках состояния). </translation>
    </message>
    <message>
        <source>packet %1, sequence number %2, held</source>
        <translation>пакет %1, порядковый номер %2, задержан</translation>
    </message>
    <message>
        <source>packet %1, sequence number %2, travelling</source>
        <translation>пакет %1, порядковый номер %2, в пути</translation>
    </message>
    <message>
        <source>ACK for sequence number %1 (packet %2), sent when packet %3 arrived, held</source>
        <translation>ACK на порядковый номер %1 (пакет %2), отправлен по прибытии пакета %3, задержан</translation>
    </message>
    <message>
        <source>ACK for sequence number %1 (packet %2), sent when packet %3 arrived, travelling</source>
        <translation>ACK на порядковый номер %1 (пакет %2), отправлен по прибытии пакета %3, в пути</translation>
    </message>
    <message>
        <source>ACK, held</source>
        <translation>ACK, задержан</translation>
    </message>
    <message>
        <source>ACK, travelling</source>
        <translation>ACK, в пути</translation>
    </message>
    <message>
        <source>packet, held</source>
        <translation>пакет, задержан</translation>
    </message>
    <message>
        <source>packet, travelling</source>
        <translation>пакет, в пути</translation>
    </message>
</context>
<context>
    <name>lesson auto-rtt-timeout</name>
    <message>
        <source>A timeout with Auto RTT backing the timer off</source>
        <translation>Тайм-аут, при котором Auto RTT удлиняет таймер</translation>
    </message>
    <message>
        <source>Auto RTT is on and the timeout starts at 4, shorter than a round trip of 146 ticks. Packet 1 is lost at tick 15. At tick 93 packet 0&apos;s timer runs out before its ACK could return (timeout marker) and Auto RTT doubles the timeout setting to 8; packet 1 times out at tick 147 and the setting doubles again, to 16. As ACKs come back in time, Auto RTT brings the setting down step by step: 8 at tick 293, 7 at tick 304, 6 at tick 439.</source>
        <translation>Auto RTT включён, и тайм-аут начинается с 4, что короче круговой задержки в 146 тактов. Пакет 1 теряется на такте 15. На такте 93 таймер пакета 0 истекает раньше, чем успел вернуться его ACK (метка тайм-аута), и Auto RTT удваивает тайм-аут до 8; пакет 1 истекает на такте 147, и значение снова удваивается, до 16. Поскольку ACK теперь возвращаются вовремя, Auto RTT снижает значение шаг за шагом: 8 на такте 293, 7 на такте 304, 6 на такте 439.</translation>
    </message>
    <message>
        <source>The timeout setting of 4 is shorter than a round trip. Which packets will be sent again when the first timer runs out?</source>
        <translation>Тайм-аут 4 короче круговой задержки. Какие пакеты будут переданы повторно, когда истечёт первый таймер?</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>пакет 1</translation>
    </message>
    <message>
        <source>packet 0</source>
        <translation>пакет 0</translation>
    </message>
    <message>
        <source>packets 0 to 3</source>
        <translation>пакеты с 0 по 3</translation>
    </message>
    <message>
        <source>Packet 0 was not lost: its ACK simply had no time to come back. Its timer runs out first and it is sent again needlessly, and Auto RTT doubles the timeout setting so that it does not happen again.</source>
        <translation>Пакет 0 не был потерян: его ACK просто не успел вернуться. Его таймер истекает первым, пакет напрасно передаётся повторно, и Auto RTT удваивает тайм-аут, чтобы это не повторилось.</translation>
    </message>
</context>
<context>
    <name>lesson fast-retransmit</name>
    <message>
        <source>Fast retransmit after three duplicate ACKs</source>
        <translation>Быстрая повторная передача после трёх дублирующих ACK</translation>
    </message>
    <message>
        <source>Slow Start and Fast Retransmit are on, with the timeout at 12 as the option suggests. Packet 4 is lost at tick 230. The packets behind it each bring back a duplicate ACK asking for packet 4. The third duplicate arrives at tick 450: the sender resends packet 4 at once, without waiting for its timer (fast-retransmit marker), sets the threshold to half the 6 packets in flight, 3, and keeps sending. The first ACK that is not a duplicate ends fast recovery at tick 596.</source>
        <translation>Медленный старт и быстрая повторная передача включены, тайм-аут равен 12, как предлагает этот параметр. Пакет 4 теряется на такте 230. Каждый следующий за ним пакет возвращает дублирующий ACK с запросом пакета 4. Третий дубль приходит на такте 450: отправитель сразу передаёт пакет 4 повторно, не дожидаясь его таймера (метка быстрой повторной передачи), устанавливает порог в половину от 6 пакетов в пути, то есть 3, и продолжает отправку. Первый ACK, не являющийся дублем, завершает быстрое восстановление на такте 596.</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet 4 is on its way. Which packets will be sent again?</source>
        <translation>Третий дублирующий ACK с запросом пакета 4 в пути. Какие пакеты будут переданы повторно?</translation>
    </message>
    <message>
        <source>packet 4</source>
        <translation>пакет 4</translation>
    </message>
    <message>
        <source>packets 4 to 9</source>
        <translation>пакеты с 4 по 9</translation>
    </message>
    <message>
        <source>packet 5</source>
        <translation>пакет 5</translation>
    </message>
    <message>
        <source>Three duplicate ACKs tell the sender that one packet is missing and the ones behind it arrived: it resends only that packet at once, without waiting for its timer.</source>
        <translation>Три дублирующих ACK сообщают отправителю, что один пакет пропал, а следующие за ним дошли: он сразу передаёт повторно только этот пакет, не дожидаясь его таймера.</translation>
    </message>
    <message>
        <source>The first ACK after the fast retransmit is on its way. What will SSThresh be?</source>
        <translation>Первый ACK после быстрой повторной передачи в пути. Каким будет SSThresh?</translation>
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
        <translation>Быстрая повторная передача устанавливает порог в половину пакетов в пути, но продолжает отправку, а не начинает снова с одного пакета.</translation>
    </message>
</context>
<context>
    <name>lesson go-back-n</name>
    <message>
        <source>Go-back-N (textbook) recovering one lost packet</source>
        <translation>Go-back-N (по учебнику) восстанавливает один потерянный пакет</translation>
    </message>
    <message>
        <source>Go-back-N as the textbooks teach it: on a timeout the sender goes back and sends every unacknowledged packet again, and the receiver keeps only in-order packets. Packet 1 is lost at tick 15 (double click). Packets 2, 3 and 4 arrive after the gap and are thrown away (ticks 96, 107 and 220), so every ACK keeps asking for packet 1. At tick 174 packet 1&apos;s timer runs out (timeout marker): the sender goes back and queues packets 1, 2, 3 and 4 again (&quot;Going back: retransmitting packet&quot;, ticks 174 to 176). They arrive in order, by tick 280 the receiver asks for packet 5, and nothing is dropped after that. One loss costs one window of retransmissions, once.</source>
        <translation>Go-back-N, как его описывают учебники: при тайм-ауте отправитель возвращается и заново отправляет все неподтверждённые пакеты, а получатель принимает только пакеты по порядку. Пакет 1 теряется на такте 15 (двойной щелчок). Пакеты 2, 3 и 4 приходят после пропуска и отбрасываются (такты 96, 107 и 220), поэтому каждый ACK по-прежнему запрашивает пакет 1. На такте 174 таймер пакета 1 истекает (метка тайм-аута): отправитель возвращается и снова ставит в очередь пакеты 1, 2, 3 и 4 («Going back: retransmitting packet», такты с 174 по 176). Они приходят по порядку, к такту 280 получатель запрашивает пакет 5, и больше ничего не отбрасывается. Одна потеря стоит одного окна повторных передач, один раз.</translation>
    </message>
    <message>
        <source>Packet 1 was lost. A packet after the gap arrives at the in-order receiver. Which packet will the receiver ask for next?</source>
        <translation>Пакет 1 потерян. Пакет после пропуска приходит к получателю, принимающему только по порядку. Какой пакет получатель запросит следующим?</translation>
    </message>
    <message>
        <source>packet 3</source>
        <translation>пакет 3</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>пакет 1</translation>
    </message>
    <message>
        <source>packet 4</source>
        <translation>пакет 4</translation>
    </message>
    <message>
        <source>The in-order receiver throws away a packet it did not expect and asks again for the one it is waiting for: every ACK names the next packet wanted, here still packet 1.</source>
        <translation>Получатель, принимающий только по порядку, отбрасывает неожиданный пакет и снова запрашивает тот, которого ждёт: каждый ACK называет следующий нужный пакет, здесь по-прежнему пакет 1.</translation>
    </message>
</context>
<context>
    <name>lesson go-back-n-original-receiver</name>
    <message>
        <source>Go-back-N sender with a receiver that keeps out-of-order packets</source>
        <translation>Отправитель go-back-N с получателем, сохраняющим пакеты не по порядку</translation>
    </message>
    <message>
        <source>The same loss as the go-back-N lesson, but with the original sender and receiver: the sender resends only the packet whose timer ran out, and the receiver keeps packets that arrive after a gap. Packet 1 is lost at tick 15; packets 2, 3 and 4 are kept. At tick 174 packet 1 times out and is sent again, and when it arrives (tick 247) one cumulative ACK asks for packet 5: everything up to 4 is acknowledged at once. Only the lost packet was sent twice, so this sender behaves almost like selective repeat; the difference is that it needed a timeout to learn of the loss.</source>
        <translation>Та же потеря, что в уроке go-back-N, но с исходными отправителем и получателем: отправитель повторно передаёт только пакет, чей таймер истёк, а получатель сохраняет пакеты, пришедшие после пропуска. Пакет 1 теряется на такте 15; пакеты 2, 3 и 4 сохраняются. На такте 174 пакет 1 истекает и передаётся повторно, а когда он приходит (такт 247), один кумулятивный ACK запрашивает пакет 5: всё до 4 подтверждается сразу. Дважды был отправлен только потерянный пакет, так что этот отправитель ведёт себя почти как выборочный повтор; разница в том, что ему понадобился тайм-аут, чтобы узнать о потере.</translation>
    </message>
    <message>
        <source>Packet 1&apos;s timer is about to run out. Which packets will be sent again?</source>
        <translation>Таймер пакета 1 вот-вот истечёт. Какие пакеты будут переданы повторно?</translation>
    </message>
    <message>
        <source>packets 1 to 4</source>
        <translation>пакеты с 1 по 4</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>пакет 1</translation>
    </message>
    <message>
        <source>packet 2</source>
        <translation>пакет 2</translation>
    </message>
    <message>
        <source>The original sender resends only the packet whose timer ran out. The receiver kept packets 2 to 4, so when packet 1 arrives one cumulative ACK covers them all.</source>
        <translation>Исходный отправитель повторно передаёт только пакет, чей таймер истёк. Получатель сохранил пакеты со 2 по 4, поэтому, когда приходит пакет 1, один кумулятивный ACK покрывает их все.</translation>
    </message>
</context>
<context>
    <name>lesson lost-ack</name>
    <message>
        <source>A lost ACK covered by the next cumulative ACK</source>
        <translation>Потерянный ACK, покрытый следующим кумулятивным ACK</translation>
    </message>
    <message>
        <source>At tick 80 the ACK asking for packet 1 is lost (double click on it; ACK-lost marker). Nothing needs resending: the next ACK, asking for packet 2, arrives a few ticks later and acknowledges packets 0 and 1 together, because every ACK names the next packet the receiver wants. No timeout happens in the whole run.</source>
        <translation>На такте 80 ACK с запросом пакета 1 теряется (двойной щелчок по нему; метка потери ACK). Ничего не нужно передавать повторно: следующий ACK, запрашивающий пакет 2, приходит через несколько тактов и подтверждает пакеты 0 и 1 вместе, потому что каждый ACK называет следующий пакет, который нужен получателю. За весь прогон не случается ни одного тайм-аута.</translation>
    </message>
    <message>
        <source>The ACK asking for packet 1 was lost. What will the sender do about packet 0?</source>
        <translation>ACK с запросом пакета 1 потерян. Что отправитель сделает с пакетом 0?</translation>
    </message>
    <message>
        <source>Resend packet 0 when its timer runs out</source>
        <translation>Передаст пакет 0 повторно, когда истечёт его таймер</translation>
    </message>
    <message>
        <source>Nothing: the next ACK acknowledges it too</source>
        <translation>Ничего: следующий ACK подтвердит и его</translation>
    </message>
    <message>
        <source>Resend packets 0 and 1 at once</source>
        <translation>Сразу передаст повторно пакеты 0 и 1</translation>
    </message>
    <message>
        <source>Every ACK names the next packet the receiver wants, so the ACK asking for packet 2 acknowledges packets 0 and 1 together: a lost ACK costs nothing when another follows in time.</source>
        <translation>Каждый ACK называет следующий пакет, который нужен получателю, поэтому ACK с запросом пакета 2 подтверждает пакеты 0 и 1 вместе: потерянный ACK ничего не стоит, если вовремя приходит следующий.</translation>
    </message>
</context>
<context>
    <name>lesson one-at-a-time</name>
    <message>
        <source>One packet at a time against a window of eight</source>
        <translation>По одному пакету против окна из восьми</translation>
    </message>
    <message>
        <source>The transmit window starts at one packet: the sender puts packet 0 on the wire and waits 146 ticks for its ACK before packet 1 may leave, so the line stands idle most of the time. At tick 350 the Tx Window Size slider moves to 8 and the sender fills the pipe: eight packets travel at once, and as many ACKs come back as fast as they can. Compare how far the sender strip has got at tick 350 and at tick 700.</source>
        <translation>Окно передачи начинается с одного пакета: отправитель выпускает в линию пакет 0 и 146 тактов ждёт его ACK, прежде чем может уйти пакет 1, поэтому линия большую часть времени простаивает. На такте 350 ползунок «Размер окна передачи» переходит на 8, и отправитель заполняет канал: в пути одновременно восемь пакетов, и столько же ACK возвращаются так быстро, как могут. Сравните, докуда дошла полоса отправителя на такте 350 и на такте 700.</translation>
    </message>
    <message>
        <source>The Tx Window Size slider moves from 1 to 8 at tick 350. How many packets will travel at once soon after?</source>
        <translation>Ползунок «Размер окна передачи» переходит с 1 на 8 на такте 350. Сколько пакетов будет одновременно в пути вскоре после этого?</translation>
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
        <translation>Окно передачи — это число пакетов, которые могут быть отправлены и ещё не подтверждены. При 8 отправитель выпускает в линию восемь пакетов без ожидания, и линия занята, а не простаивает.</translation>
    </message>
</context>
<context>
    <name>lesson same-losses</name>
    <message>
        <source>Same losses, three protocols</source>
        <translation>Одинаковые потери, три протокола</translation>
    </message>
    <message>
        <source>Three protocols run side by side from one clock, and the network loses 5 % of the packets in each, drawn from seed 7: whether a packet is lost depends only on its number and which transmission of it this is, so the same packets are lost under all three. Packets 9, 15 and 18 are lost under every protocol; go-back-N and selective repeat lose 9 at tick 195 and 15 at tick 261, stop-and-wait only reaches packet 9 at tick 1352. Stop-and-wait has one packet in flight, so every packet costs a whole round trip and a loss a whole timeout. Go-back-N sends eight at a time, but after a timeout it sends the whole window again and its in-order receiver drops what arrived after the gap; those resends are drawn again, so some of them are lost too (packet 16&apos;s second transmission, at tick 434). Selective repeat resends only the packet that was lost and keeps the rest. Watch the timeout markers and the resend colours in each window, and the figures table.

At tick 3000 (goodput: packets delivered in order per 100 ticks): Stop-and-wait: 18 delivered, 2 retransmissions, goodput 0.6. Go-back-N (textbook): 92 delivered, 80 retransmissions, goodput 3.1. Selective repeat: 115 delivered, 8 retransmissions, goodput 3.8.</source>
        <translation>Три протокола работают рядом от одних часов, и сеть теряет 5 % пакетов в каждом, разыгранных с начальным значением 7: потеряется ли пакет, зависит только от его номера и от того, какая это его передача, поэтому во всех трёх теряются одни и те же пакеты. Пакеты 9, 15 и 18 теряются при каждом протоколе; go-back-N и выборочный повтор теряют 9 на такте 195 и 15 на такте 261, а stop-and-wait доходит до пакета 9 только на такте 1352. У stop-and-wait в пути один пакет, поэтому каждый пакет стоит целой круговой задержки, а потеря — целого тайм-аута. Go-back-N отправляет по восемь, но после тайм-аута заново отправляет всё окно, а его получатель, принимающий только по порядку, отбрасывает пришедшее после пропуска; эти повторы разыгрываются снова, поэтому некоторые из них тоже теряются (вторая передача пакета 16, на такте 434). Выборочный повтор заново отправляет только потерянный пакет и сохраняет остальные. Следите в каждом окне за метками тайм-аута и цветами повторов, а также за таблицей показателей.

На такте 3000 (полезная пропускная способность: пакетов, доставленных по порядку, за 100 тактов): Stop-and-wait: доставлено 18, повторных передач 2, полезная пропускная способность 0,6. Go-back-N (по учебнику): доставлено 92, повторных передач 80, полезная пропускная способность 3,1. Выборочный повтор: доставлено 115, повторных передач 8, полезная пропускная способность 3,8.</translation>
    </message>
    <message>
        <source>Stop-and-wait</source>
        <translation>Stop-and-wait</translation>
    </message>
    <message>
        <source>Packet 9 was lost at tick 1352 and its timer runs out now. What does the stop-and-wait sender send again?</source>
        <translation>Пакет 9 потерян на такте 1352, и его таймер истекает сейчас. Что отправитель stop-and-wait передаст повторно?</translation>
    </message>
    <message>
        <source>packet 9</source>
        <translation>пакет 9</translation>
    </message>
    <message>
        <source>packets 9 to 16</source>
        <translation>пакеты с 9 по 16</translation>
    </message>
    <message>
        <source>packet 10</source>
        <translation>пакет 10</translation>
    </message>
    <message>
        <source>Stop-and-wait never has more than one packet in flight, so a timeout costs it one resend, but a whole timeout&apos;s wait. Go-back-N lost the same packet 9 at tick 195 and sent packets 9 to 16 again from tick 320.</source>
        <translation>У stop-and-wait в пути никогда не бывает больше одного пакета, поэтому тайм-аут стоит ему одной повторной передачи, но ожидания целого тайм-аута. Go-back-N потерял тот же пакет 9 на такте 195 и заново отправил пакеты с 9 по 16 начиная с такта 320.</translation>
    </message>
    <message>
        <source>Go-back-N (textbook)</source>
        <translation>Go-back-N (по учебнику)</translation>
    </message>
    <message>
        <source>Selective repeat</source>
        <translation>Выборочный повтор</translation>
    </message>
</context>
<context>
    <name>lesson selective-repeat</name>
    <message>
        <source>The same loss under selective repeat</source>
        <translation>Та же потеря при выборочном повторе</translation>
    </message>
    <message>
        <source>Selective Repeat is on. Packet 1 is lost at tick 15. The sender keeps sending while the receiver holds packets 2 and up. At tick 169 the sender enters the Selective state, and at tick 180 packet 1&apos;s timer runs out and only packet 1 is sent again (timeout marker). When its ACK returns the window opens fully again (back to Normal at tick 326).</source>
        <translation>Выборочный повтор включён. Пакет 1 теряется на такте 15. Отправитель продолжает отправку, а получатель хранит пакеты начиная со 2. На такте 169 отправитель переходит в состояние Selective, а на такте 180 таймер пакета 1 истекает, и повторно передаётся только пакет 1 (метка тайм-аута). Когда возвращается его ACK, окно снова открывается полностью (возврат в Normal на такте 326).</translation>
    </message>
    <message>
        <source>The resent packet 1 reaches the receiver, which holds packets 2 and up. Which packet will the receiver ask for next?</source>
        <translation>Повторно переданный пакет 1 доходит до получателя, который хранит пакеты начиная со 2. Какой пакет получатель запросит следующим?</translation>
    </message>
    <message>
        <source>packet 2</source>
        <translation>пакет 2</translation>
    </message>
    <message>
        <source>packet 6</source>
        <translation>пакет 6</translation>
    </message>
    <message>
        <source>packet 7</source>
        <translation>пакет 7</translation>
    </message>
    <message>
        <source>The arrival fills the gap: the receiver takes in packet 1 and everything it held after it, and its ACK asks for the first packet it has not got.</source>
        <translation>Прибытие закрывает пропуск: получатель принимает пакет 1 и всё, что хранил после него, а его ACK запрашивает первый пакет, которого у него ещё нет.</translation>
    </message>
</context>
<context>
    <name>lesson slow-start</name>
    <message>
        <source>Slow start up to the threshold, then avoidance</source>
        <translation>Медленный старт до порога, затем предотвращение перегрузки</translation>
    </message>
    <message>
        <source>Slow Start and Avoidance are on, the receive window is 16. The window starts at 2 and grows by one packet for every ACK: 4 at tick 158, 8 at tick 326. Packet 6 is lost at tick 330; its timeout at tick 455, with 8 packets in flight, sets the threshold to half of them, 4, and drops the window to 1. Slow start brings it back up to the threshold (4 at tick 904); from there congestion avoidance adds only a fraction of a packet per ACK (4.25 at tick 1039): watch the slope change on the chart. The textbooks&apos; rule grows the window by about one packet per round trip; here the window figure snaps up to the next whole packet as soon as it rounds to it, as in the original program (5 at tick 1061, 8 at tick 1375), which makes about 1.4 packets per round trip of 146 ticks.</source>
        <translation>Медленный старт и предотвращение перегрузки включены, окно приёма равно 16. Окно начинается с 2 и растёт на один пакет на каждый ACK: 4 на такте 158, 8 на такте 326. Пакет 6 теряется на такте 330; его тайм-аут на такте 455 при 8 пакетах в пути устанавливает порог в их половину, 4, и сбрасывает окно до 1. Медленный старт снова поднимает его до порога (4 на такте 904); дальше предотвращение перегрузки добавляет лишь долю пакета на каждый ACK (4,25 на такте 1039): посмотрите, как на графике меняется наклон. По правилу из учебников окно растёт примерно на один пакет за круговую задержку; здесь значение окна скачком переходит к следующему целому пакету, как только округляется до него, как в исходной программе (5 на такте 1061, 8 на такте 1375), что даёт около 1,4 пакета за круговую задержку в 146 тактов.</translation>
    </message>
    <message>
        <source>In slow start the window grows by one packet for every ACK. The next ACK arrives soon. What will the Tx Window Size be?</source>
        <translation>При медленном старте окно растёт на один пакет на каждый ACK. Следующий ACK скоро придёт. Каким будет размер окна передачи?</translation>
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
        <translation>Медленный старт добавляет к окну один пакет на каждый ACK, пока окно ниже SSThresh, поэтому за каждую круговую задержку оно удваивается.</translation>
    </message>
    <message>
        <source>Packet 6 was lost, and its timer is about to run out with 8 packets in flight. What will SSThresh be?</source>
        <translation>Пакет 6 потерян, и его таймер вот-вот истечёт при 8 пакетах в пути. Каким будет SSThresh?</translation>
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
        <translation>При тайм-ауте SSThresh становится половиной пакетов в пути, а окно падает до одного пакета: затем медленный старт снова поднимается до порога.</translation>
    </message>
</context>
<context>
    <name>lesson small-sequence-space</name>
    <message>
        <source>A sequence space too small for the window</source>
        <translation>Пространство порядковых номеров, слишком малое для окна</translation>
    </message>
    <message>
        <source>The highest sequence number is 3, so there are only four sequence numbers, but the windows are six packets. Packets 0 and 4 both carry sequence number 0, packets 1 and 5 both carry 1. Packet 1 is lost at tick 15; the ACKs that come back cannot say which packet they mean. Packet 1 times out at tick 174 and is resent, and at tick 320 the sender resends packet 3, which the receiver already had: it has read an ACK for the wrong packet. The sequence space must be at least twice the window to avoid this.</source>
        <translation>Наибольший порядковый номер равен 3, то есть номеров всего четыре, а окна — по шесть пакетов. Пакеты 0 и 4 оба несут порядковый номер 0, пакеты 1 и 5 — оба 1. Пакет 1 теряется на такте 15; возвращающиеся ACK не могут сказать, какой пакет они имеют в виду. Пакет 1 истекает на такте 174 и передаётся повторно, а на такте 320 отправитель заново отправляет пакет 3, который у получателя уже был: он отнёс ACK не к тому пакету. Чтобы избежать этого, пространство номеров должно быть как минимум вдвое больше окна.</translation>
    </message>
    <message>
        <source>Packet 1 was lost and its timer is about to run out. Which packets will be sent again?</source>
        <translation>Пакет 1 потерян, и его таймер вот-вот истечёт. Какие пакеты будут переданы повторно?</translation>
    </message>
    <message>
        <source>packet 1</source>
        <translation>пакет 1</translation>
    </message>
    <message>
        <source>packet 5</source>
        <translation>пакет 5</translation>
    </message>
    <message>
        <source>packets 1 to 6</source>
        <translation>пакеты с 1 по 6</translation>
    </message>
    <message>
        <source>The timer belongs to packet 1, so packet 1 is resent. But packet 5 carries the same sequence number, 1: with only four numbers for a window of six, the ACKs cannot tell them apart.</source>
        <translation>Таймер принадлежит пакету 1, поэтому повторно передаётся пакет 1. Но пакет 5 несёт тот же порядковый номер, 1: при всего четырёх номерах на окно из шести ACK не могут их различить.</translation>
    </message>
</context>
<context>
    <name>lesson tahoe-vs-reno</name>
    <message>
        <source>Tahoe against Reno: one loss, two answers to three duplicate ACKs</source>
        <translation>Tahoe против Reno: одна потеря, два ответа на три дублирующих ACK</translation>
    </message>
    <message>
        <source>Tahoe-like and Reno-like TCP side by side from one clock, with the same settings but for Tahoe&apos;s rule, and the same planned loss (p10): packet 10 is lost at tick 374 in both, while the window is 8 and still growing. The packets behind it keep arriving, each bringing back a duplicate ACK asking for packet 10, and the third one arrives at tick 516 in both (fast-retransmit marker), with the window at 12 and 11 packets in flight. Both resend packet 10 at once and set SSThresh to half the flight size, 5.5. Here they part.

Tahoe starts again from a window of 1, in slow start, and further duplicates change nothing. The ACK for the resend reaches it at tick 662 and asks for packet 21: the receiver had kept every packet behind the lost one, so the go-back-N sender has nothing more to send again. Its window climbs from there: 2 at tick 662, 4 at tick 819, 6 at tick 965.

Reno halves the window and adds three for the packets that left the network (9 at tick 516), inflates it by one for each further duplicate (16 at tick 651) and keeps sending; the first new ACK ends fast recovery at tick 673 with the window back at the threshold, kept as 5 whole packets. Both run with the timeout of 12 that Fast Retransmit sets, and neither times out: the difference is the fast retransmit alone.

At tick 1500 (goodput: packets delivered in order per 100 ticks): Tahoe-like TCP: 54 delivered, 1 retransmission, goodput 3.6. Reno-like TCP: 71 delivered, 1 retransmission, goodput 4.7.</source>
        <translation>TCP в духе Tahoe и в духе Reno рядом от одних часов, с одинаковыми настройками, кроме правила Tahoe, и с одной и той же запланированной потерей (p10): пакет 10 теряется в обоих на такте 374, когда окно равно 8 и ещё растёт. Следующие за ним пакеты продолжают приходить, каждый возвращает дублирующий ACK с запросом пакета 10, и третий приходит в обоих на такте 516 (метка быстрой повторной передачи), при окне 12 и 11 пакетах в пути. Оба сразу повторно передают пакет 10 и устанавливают SSThresh в половину пакетов в пути, 5,5. Здесь их пути расходятся.

Tahoe начинает снова с окна 1, в медленном старте, и дальнейшие дубли ничего не меняют. ACK на повторную передачу доходит до него на такте 662 и запрашивает пакет 21: получатель сохранил все пакеты после потерянного, поэтому отправителю go-back-N больше нечего передавать повторно. Его окно растёт оттуда: 2 на такте 662, 4 на такте 819, 6 на такте 965.

Reno уменьшает окно вдвое и добавляет три за пакеты, покинувшие сеть (9 на такте 516), раздувает его на один с каждым следующим дублем (16 на такте 651) и продолжает отправку; первый новый ACK завершает быстрое восстановление на такте 673, и окно возвращается к порогу, округлённому до 5 целых пакетов. Оба работают с тайм-аутом 12, который устанавливает быстрая повторная передача, и ни у одного таймер не истекает: вся разница — в быстрой повторной передаче.

На такте 1500 (полезная пропускная способность: пакетов, доставленных по порядку, за 100 тактов): TCP в духе Tahoe: доставлено 54, повторных передач 1, полезная пропускная способность 3,6. TCP в духе Reno: доставлено 71, повторных передач 1, полезная пропускная способность 4,7.</translation>
    </message>
    <message>
        <source>Tahoe-like TCP</source>
        <translation>TCP в духе Tahoe</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet 10 is on its way to the Tahoe-like sender, whose window is 12. What will its Tx Window Size be?</source>
        <translation>Третий дублирующий ACK с запросом пакета 10 идёт к отправителю в духе Tahoe, чьё окно равно 12. Каким будет его размер окна передачи?</translation>
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
        <translation>Правило Tahoe повторно передаёт недостающий пакет и снова начинает медленный старт с окна в один пакет. Reno рядом уменьшает окно вдвое и добавляет три, 9, и восстанавливается без остановки.</translation>
    </message>
    <message>
        <source>Reno-like TCP</source>
        <translation>TCP в духе Reno</translation>
    </message>
</context>
<context>
    <name>lessons</name>
    <message>
        <source>There is no lesson called &quot;%1&quot;.</source>
        <translation>Урока с названием «%1» нет.</translation>
    </message>
</context>
<context>
    <name>links</name>
    <message>
        <source>Ignored %1=%2 in the link (%3); kept the start-up setting.</source>
        <translation>%1=%2 в ссылке пропущено (%3); оставлено начальное значение.</translation>
    </message>
    <message>
        <source>Ignored the unknown parameter &quot;%1&quot; in the link.</source>
        <translation>Неизвестный параметр «%1» в ссылке пропущен.</translation>
    </message>
    <message>
        <source>Ignored %1=%2 in the link: the lesson brings its own settings.</source>
        <translation>%1=%2 в ссылке пропущено: урок задаёт свои настройки.</translation>
    </message>
    <message>
        <source>Ignored lesson=%1 in the link. %2 The lessons are %3.</source>
        <translation>lesson=%1 в ссылке пропущено. %2 Уроки: %3.</translation>
    </message>
    <message>
        <source>the protocols are %1</source>
        <translation>протоколы: %1</translation>
    </message>
    <message>
        <source>not every option can be set that way</source>
        <translation>так можно задать не каждый параметр</translation>
    </message>
    <message>
        <source>options are slowstart, avoidance, fastretransmit, selective, delayedack</source>
        <translation>параметры: slowstart, avoidance, fastretransmit, selective, delayedack</translation>
    </message>
    <message>
        <source>use 1 or 0</source>
        <translation>используйте 1 или 0</translation>
    </message>
    <message>
        <source>the box cannot be changed now</source>
        <translation>этот флажок сейчас нельзя изменить</translation>
    </message>
    <message>
        <source>use a whole number from %1 to %2</source>
        <translation>используйте целое число от %1 до %2</translation>
    </message>
    <message>
        <source>the languages are %1</source>
        <translation>языки: %1</translation>
    </message>
    <message>
        <source>use 0.25, 0.5, 1, 2 or 4</source>
        <translation>используйте 0.25, 0.5, 1, 2 или 4</translation>
    </message>
    <message>
        <source>And %1 more parameter of the link ignored.</source>
        <translation>И ещё %1 параметр ссылки пропущен.</translation>
    </message>
    <message>
        <source>And %1 more parameters of the link ignored.</source>
        <translation>И ещё %1 параметров ссылки пропущено.</translation>
    </message>
    <message>
        <source>This run makes a link of %1 characters, too long for a browser&apos;s address bar (%2 at most): save it as a run file and share the file instead.</source>
        <translation>Этот прогон даёт ссылку длиной %1 символов — слишком длинную для адресной строки браузера (не более %2): сохраните его как файл прогона и поделитесь файлом.</translation>
    </message>
    <message>
        <source>The link to this run has %1 characters, more than a QR code holds (%2): share the link itself or the run file instead.</source>
        <translation>Ссылка на этот прогон содержит %1 символов — больше, чем вмещает QR-код (%2): поделитесь самой ссылкой или файлом прогона.</translation>
    </message>
    <message>
        <source>The run in this link cannot be opened. The link is damaged: part of it may have been cut off when it was copied. Copy the whole link again.</source>
        <translation>Не удаётся открыть прогон из этой ссылки. Ссылка повреждена: возможно, её часть обрезалась при копировании. Скопируйте всю ссылку ещё раз.</translation>
    </message>
    <message>
        <source>The run in this link cannot be opened. %1</source>
        <translation>Не удаётся открыть прогон из этой ссылки. %1</translation>
    </message>
    <message>
        <source>the code on the projector gives the whole link</source>
        <translation>код на проекторе даёт полную ссылку</translation>
    </message>
</context>
<context>
    <name>log</name>
    <message>
        <source>packet %1 dropped: out of order</source>
        <translation>пакет %1 отброшен: не по порядку</translation>
    </message>
    <message>
        <source>%1: the clock is paused; Cont goes on as a live run</source>
        <translation>%1: часы остановлены; Cont продолжает в живом режиме</translation>
    </message>
    <message>
        <source>Your own action at tick %1: the recorded run from here on is dropped and this run goes on as a new branch</source>
        <translation>Ваше действие на такте %1: записанный прогон с этого места отбрасывается, и прогон продолжается как новая ветвь</translation>
    </message>
    <message>
        <source>Opened the run file (%1 ticks): it plays as recorded while the clock runs; an action of your own branches it</source>
        <translation>Файл прогона открыт (тактов: %1): он воспроизводится, как записан, пока идут часы; ваше собственное действие создаёт ветвь</translation>
    </message>
    <message>
        <source>Opened &quot;%2&quot; (%1 ticks): it plays as recorded while the clock runs; an action of your own branches it</source>
        <translation>«%2» открыт (тактов: %1): он воспроизводится, как записан, пока идут часы; ваше собственное действие создаёт ветвь</translation>
    </message>
    <message>
        <source>Run %1 dropped from the record to stay within the memory budget (%2)</source>
        <translation>Прогон %1 удалён из записи, чтобы уложиться в бюджет памяти (%2)</translation>
    </message>
    <message>
        <source>Ticks %1 to %2 of this run dropped to stay within the memory budget (%3): rewinds now reach back to tick %4</source>
        <translation>Такты с %1 по %2 этого прогона удалены, чтобы уложиться в бюджет памяти (%3): теперь вернуться можно только до такта %4</translation>
    </message>
    <message>
        <source>packet %1 lost</source>
        <translation>пакет %1 потерян</translation>
    </message>
    <message>
        <source>ACK asking for sequence number %1 lost</source>
        <translation>ACK с запросом порядкового номера %1 потерян</translation>
    </message>
    <message>
        <source>packet %1 held</source>
        <translation>пакет %1 задержан</translation>
    </message>
    <message>
        <source>ACK asking for sequence number %1 held</source>
        <translation>ACK с запросом порядкового номера %1 задержан</translation>
    </message>
    <message>
        <source>packet %1 released</source>
        <translation>пакет %1 отпущен</translation>
    </message>
    <message>
        <source>ACK asking for sequence number %1 released</source>
        <translation>ACK с запросом порядкового номера %1 отпущен</translation>
    </message>
    <message>
        <source>timeout set to %1</source>
        <translation>тайм-аут установлен на %1</translation>
    </message>
    <message>
        <source>transmit window set to %1</source>
        <translation>окно передачи установлено на %1</translation>
    </message>
    <message>
        <source>receive window set to %1</source>
        <translation>окно приёма установлено на %1</translation>
    </message>
    <message>
        <source>highest sequence number set to %1</source>
        <translation>наибольший порядковый номер установлен на %1</translation>
    </message>
    <message>
        <source>%1 pressed</source>
        <translation>нажата кнопка %1</translation>
    </message>
    <message>
        <source>%1 on</source>
        <translation>%1 вкл.</translation>
    </message>
    <message>
        <source>%1 off</source>
        <translation>%1 выкл.</translation>
    </message>
</context>
<context>
    <name>losses</name>
    <message>
        <source>A plan holds at most %1 losses.</source>
        <translation>План содержит не более %1 потерь.</translation>
    </message>
    <message>
        <source>The planned loss &quot;%1&quot; is not p or a with a packet number, such as p5, p7.2 or a9.</source>
        <translation>Запланированная потеря «%1» — это не p или a с номером пакета, например p5, p7.2 или a9.</translation>
    </message>
    <message>
        <source>packet %1</source>
        <translation>пакет %1</translation>
    </message>
    <message>
        <source>the ACK for packet %1</source>
        <translation>ACK на пакет %1</translation>
    </message>
    <message>
        <source>packet %1 (transmission %2)</source>
        <translation>пакет %1 (передача %2)</translation>
    </message>
    <message>
        <source>the ACK for packet %1 (transmission %2)</source>
        <translation>ACK на пакет %1 (передача %2)</translation>
    </message>
    <message>
        <source>No losses</source>
        <translation>Без потерь</translation>
    </message>
    <message>
        <source>%1 % of packets, %2 % of ACKs</source>
        <translation>%1 % пакетов, %2 % ACK</translation>
    </message>
    <message>
        <source>%1 % of packets</source>
        <translation>%1 % пакетов</translation>
    </message>
    <message>
        <source>%1 % of ACKs</source>
        <translation>%1 % ACK</translation>
    </message>
    <message>
        <source>Losses: %1 planned</source>
        <translation>Потери: запланировано %1</translation>
    </message>
    <message>
        <source>Losses: %1 (seed %2)</source>
        <translation>Потери: %1 (начальное значение %2)</translation>
    </message>
    <message>
        <source>Losses: %1 (seed %2), %3 planned</source>
        <translation>Потери: %1 (начальное значение %2), запланировано %3</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 и ещё %2</translation>
    </message>
    <message>
        <source>Lost by click: %1</source>
        <translation>Потеряно щелчком: %1</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>Quill&apos;s Sliding Window Demo</source>
        <translation>Демонстрация скользящего окна Quill</translation>
    </message>
    <message>
        <source>Quill&apos;s Sliding Window Demo needs JavaScript: please allow scripts for this page.</source>
        <translation>Демонстрации скользящего окна Quill нужен JavaScript: разрешите сценарии для этой страницы.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>The window&apos;s controls at finger size</source>
        <translation>Элементы управления окна под палец</translation>
    </message>
    <message>
        <source>Run controls, chart and log</source>
        <translation>Управление прогоном, график и журнал</translation>
    </message>
    <message>
        <source>Step back one tick (Ctrl+Left)</source>
        <translation>Шаг назад на один такт (Ctrl+Влево)</translation>
    </message>
    <message>
        <source>◀ Step Back</source>
        <translation>◀ Назад</translation>
    </message>
    <message>
        <source>Step one tick; pauses a running clock first (Ctrl+Right)</source>
        <translation>Шаг на один такт; сначала останавливает идущие часы (Ctrl+Вправо)</translation>
    </message>
    <message>
        <source>Step ▶</source>
        <translation>Шаг ▶</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Протокол</translation>
    </message>
    <message>
        <source>Protocol: custom</source>
        <translation>Протокол: свой</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Colour-blind safe colours</source>
        <translation>Цвета для дальтоников</translation>
    </message>
    <message>
        <source>State marks</source>
        <translation>Метки состояния</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Легенда</translation>
    </message>
    <message>
        <source>Open a saved run file; you can also drop one on the page</source>
        <translation>Открыть сохранённый файл прогона; его можно также перетащить на страницу</translation>
    </message>
    <message>
        <source>Open run…</source>
        <translation>Открыть прогон…</translation>
    </message>
    <message>
        <source>Download this run as a run file</source>
        <translation>Скачать этот прогон как файл прогона</translation>
    </message>
    <message>
        <source>Save run</source>
        <translation>Сохранить прогон</translation>
    </message>
    <message>
        <source>Download this run as a packet capture (.pcap) for Wireshark, seen at the sender</source>
        <translation>Скачать этот прогон как перехват пакетов (.pcap) для Wireshark, со стороны отправителя</translation>
    </message>
    <message>
        <source>Save capture</source>
        <translation>Сохранить перехват</translation>
    </message>
    <message>
        <source>Open a built-in lesson</source>
        <translation>Открыть встроенный урок</translation>
    </message>
    <message>
        <source>Lessons…</source>
        <translation>Уроки…</translation>
    </message>
    <message>
        <source>Packets and ACKs the network loses: at random or planned</source>
        <translation>Пакеты и ACK, которые теряет сеть: случайно или по плану</translation>
    </message>
    <message>
        <source>Network…</source>
        <translation>Сеть…</translation>
    </message>
    <message>
        <source>Run two or three protocols side by side with the same losses</source>
        <translation>Запустить два или три протокола рядом с одинаковыми потерями</translation>
    </message>
    <message>
        <source>Compare…</source>
        <translation>Сравнить…</translation>
    </message>
    <message>
        <source>Copy a link that opens the page with these settings</source>
        <translation>Скопировать ссылку, открывающую страницу с этими настройками</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Копировать ссылку</translation>
    </message>
    <message>
        <source>Link to these settings</source>
        <translation>Ссылка на эти настройки</translation>
    </message>
    <message>
        <source>Transmit window, threshold, flight size and receive window against the tick</source>
        <translation>Окно передачи, порог, пакеты в пути и окно приёма по тактам</translation>
    </message>
    <message>
        <source>Rewind to Cursor</source>
        <translation>Вернуться к курсору</translation>
    </message>
    <message>
        <source>This run&apos;s figures</source>
        <translation>Показатели этого прогона</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Sender</source>
        <translation>Отправитель</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Получатель</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <source>Event log</source>
        <translation>Журнал событий</translation>
    </message>
    <message>
        <source>Time-Sequence Diagram</source>
        <translation>Диаграмма последовательности</translation>
    </message>
    <message>
        <source>From tick</source>
        <translation>С такта</translation>
    </message>
    <message>
        <source>to</source>
        <translation>по</translation>
    </message>
    <message>
        <source>Download these ticks of the diagram as an SVG drawing</source>
        <translation>Скачать эти такты диаграммы как рисунок SVG</translation>
    </message>
    <message>
        <source>Save diagram (SVG)</source>
        <translation>Сохранить диаграмму (SVG)</translation>
    </message>
    <message>
        <source>Time-sequence diagram of the run: sender left, receiver right, time downward</source>
        <translation>Диаграмма последовательности прогона: отправитель слева, получатель справа, время идёт вниз</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Сравнение</translation>
    </message>
    <message>
        <source>Back to the single window</source>
        <translation>Назад к одному окну</translation>
    </message>
    <message>
        <source>◀ One window</source>
        <translation>◀ Одно окно</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Step all of them back one tick (Ctrl+Left)</source>
        <translation>Все на такт назад (Ctrl+Влево)</translation>
    </message>
    <message>
        <source>Step all of them one tick (Ctrl+Right)</source>
        <translation>Все на такт вперёд (Ctrl+Вправо)</translation>
    </message>
    <message>
        <source>Download the comparison as one run file</source>
        <translation>Скачать сравнение как один файл прогона</translation>
    </message>
    <message>
        <source>Save comparison</source>
        <translation>Сохранить сравнение</translation>
    </message>
    <message>
        <source>Copy a link that opens the page with this comparison</source>
        <translation>Скопировать ссылку, открывающую страницу с этим сравнением</translation>
    </message>
    <message>
        <source>Link to this comparison</source>
        <translation>Ссылка на это сравнение</translation>
    </message>
    <message>
        <source>Each configuration&apos;s transmit window (thick) and goodput (thin) against the tick</source>
        <translation>Окно передачи (толстая линия) и полезная пропускная способность (тонкая) каждой конфигурации по тактам</translation>
    </message>
    <message>
        <source>Figures of each configuration</source>
        <translation>Показатели каждой конфигурации</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>A lost packet or ACK is taken off halfway across, as a double click on it would. The same seed loses the same packets under every protocol.</source>
        <translation>Потерянный пакет или ACK снимается на полпути, как при двойном щелчке по нему. Одно и то же начальное значение теряет одни и те же пакеты при каждом протоколе.</translation>
    </message>
    <message>
        <source>Packets lost</source>
        <translation>Потеря пакетов</translation>
    </message>
    <message>
        <source>ACKs lost</source>
        <translation>Потеря ACK</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Начальное значение</translation>
    </message>
    <message>
        <source>Planned losses</source>
        <translation>Запланированные потери</translation>
    </message>
    <message>
        <source>What is lost</source>
        <translation>Что теряется</translation>
    </message>
    <message>
        <source>Packet</source>
        <translation>Пакет</translation>
    </message>
    <message>
        <source>The ACK for packet</source>
        <translation>ACK на пакет</translation>
    </message>
    <message>
        <source>Packet number</source>
        <translation>Номер пакета</translation>
    </message>
    <message>
        <source>transmission</source>
        <translation>передача</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Сравнить</translation>
    </message>
    <message>
        <source>Side by side from one clock, with the losses set under Network.</source>
        <translation>Рядом от одних часов, с потерями, заданными в разделе «Сеть».</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Первая</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Вторая</translation>
    </message>
    <message>
        <source>Third</source>
        <translation>Третья</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Tick %1</source>
        <translation>Такт %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Упражнение</translation>
    </message>
    <message>
        <source>Practice: on</source>
        <translation>Упражнение: вкл.</translation>
    </message>
    <message>
        <source>Score: %1 of %2 right</source>
        <translation>Счёт: верно %1 из %2</translation>
    </message>
    <message>
        <source>Summary copied</source>
        <translation>Итог скопирован</translation>
    </message>
    <message>
        <source>QR code</source>
        <translation>QR-код</translation>
    </message>
    <message>
        <source>Scan to open this run (%1 characters).</source>
        <translation>Отсканируйте, чтобы открыть этот прогон (%1 символов).</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Заметка</translation>
    </message>
    <message>
        <source>Link copied</source>
        <translation>Ссылка скопирована</translation>
    </message>
    <message>
        <source>Copy the link beside</source>
        <translation>Скопируйте ссылку рядом</translation>
    </message>
    <message>
        <source>Rewind to a tick, or play on to a later one, and pause there (Ctrl+G)</source>
        <translation>Перемотать к такту или доиграть до более позднего и остановиться там (Ctrl+G)</translation>
    </message>
    <message>
        <source>Go to Tick…</source>
        <translation>Перейти к такту…</translation>
    </message>
    <message>
        <source>Download a view of this run as a picture for a slide, or its figures as CSV</source>
        <translation>Скачать вид этого прогона как изображение для слайда или его показатели в CSV</translation>
    </message>
    <message>
        <source>Download picture…</source>
        <translation>Скачать изображение…</translation>
    </message>
    <message>
        <source>Download the comparison&apos;s windows, diagrams, chart and table as one picture, or its figures as CSV</source>
        <translation>Скачать окна, диаграммы, график и таблицу сравнения одним изображением или его показатели в CSV</translation>
    </message>
    <message>
        <source>Download picture</source>
        <translation>Скачать изображение</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>The window</source>
        <translation>Окно</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>График</translation>
    </message>
    <message>
        <source>The time-sequence diagram</source>
        <translation>Диаграмма последовательности</translation>
    </message>
    <message>
        <source>The table of figures</source>
        <translation>Таблица показателей</translation>
    </message>
    <message>
        <source>Show together</source>
        <translation>Показать вместе</translation>
    </message>
    <message>
        <source>The windows</source>
        <translation>Окна</translation>
    </message>
    <message>
        <source>The time-sequence diagrams</source>
        <translation>Диаграммы последовательности</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Формат</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Изображение PNG</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>Рисунок SVG</translation>
    </message>
    <message>
        <source>The figures as CSV</source>
        <translation>Показатели в CSV</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>px</source>
        <translation>пикс.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>Title line</source>
        <translation>Строка заголовка</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Скачать</translation>
    </message>
    <message>
        <source>Tick at least one view to put in the picture.</source>
        <translation>Отметьте хотя бы один вид для изображения.</translation>
    </message>
    <message>
        <source>The browser could not draw a picture this large: try a smaller width and height.</source>
        <translation>Браузер не смог нарисовать такое большое изображение: попробуйте меньшие ширину и высоту.</translation>
    </message>
    <message>
        <source>Time-Sequence Diagrams</source>
        <translation>Диаграммы последовательности</translation>
    </message>
    <message>
        <source>Time-sequence diagram of %1: sender left, receiver right, time downward</source>
        <translation>Диаграмма последовательности: %1; отправитель слева, получатель справа, время идёт вниз</translation>
    </message>
</context>
<context>
    <name>practice</name>
    <message>
        <source>Question withdrawn: the run changed before the event it was about.</source>
        <translation>Вопрос снят: прогон изменился раньше события, о котором он был.</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right.</source>
        <translation>Упражнение по скользящему окну: верных ответов %1 из %2.</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right, %3 skipped, %4 withdrawn.</source>
        <translation>Упражнение по скользящему окну: верных ответов %1 из %2, пропущено %3, снято %4.</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right, %3 skipped.</source>
        <translation>Упражнение по скользящему окну: верных ответов %1 из %2, пропущено %3.</translation>
    </message>
    <message>
        <source>Sliding-window practice: %1 of %2 answers right, %4 withdrawn.</source>
        <translation>Упражнение по скользящему окну: верных ответов %1 из %2, снято %4.</translation>
    </message>
    <message>
        <source>Withdrawn: the run was changed before the event.</source>
        <translation>Снят: прогон был изменён до события.</translation>
    </message>
    <message>
        <source>Skipped.</source>
        <translation>Пропущен.</translation>
    </message>
    <message>
        <source>The run gave: %1.</source>
        <translation>Прогон дал: %1.</translation>
    </message>
    <message>
        <source>Answer: %1.</source>
        <translation>Ответ: %1.</translation>
    </message>
    <message>
        <source>Right.</source>
        <translation>Верно.</translation>
    </message>
    <message>
        <source>Wrong: the run gave %1.</source>
        <translation>Неверно: прогон дал %1.</translation>
    </message>
    <message>
        <source>packet %1</source>
        <translation>пакет %1</translation>
    </message>
    <message>
        <source>no packet</source>
        <translation>ни одного пакета</translation>
    </message>
    <message>
        <source>packets %1 to %2</source>
        <translation>пакеты с %1 по %2</translation>
    </message>
    <message>
        <source>packets %1 and %2</source>
        <translation>пакеты %1 и %2</translation>
    </message>
    <message>
        <source>sets SSThresh to half the flight size (%1 packet in flight), never below 2 packets</source>
        <translation>устанавливает SSThresh в половину пакетов в пути (в пути пакетов: %1), но не меньше 2 пакетов</translation>
    </message>
    <message>
        <source>sets SSThresh to half the flight size (%1 packets in flight), never below 2 packets</source>
        <translation>устанавливает SSThresh в половину пакетов в пути (в пути пакетов: %1), но не меньше 2 пакетов</translation>
    </message>
    <message>
        <source>sets SSThresh to the transmit window (%1 packet; with Avoidance on it would take half the flight size), never below 2 packets</source>
        <translation>устанавливает SSThresh равным окну передачи (пакетов: %1; при включённом предотвращении перегрузки взял бы половину пакетов в пути), но не меньше 2 пакетов</translation>
    </message>
    <message>
        <source>sets SSThresh to the transmit window (%1 packets; with Avoidance on it would take half the flight size), never below 2 packets</source>
        <translation>устанавливает SSThresh равным окну передачи (пакетов: %1; при включённом предотвращении перегрузки взял бы половину пакетов в пути), но не меньше 2 пакетов</translation>
    </message>
    <message>
        <source>The go-back-N sender then goes back: every later packet not yet acknowledged is queued again, oldest first, one a tick as the window allows, which slow start opens again from one packet; an ACK that covers packets the receiver kept spares them.</source>
        <translation>Затем отправитель go-back-N возвращается: каждый более поздний ещё не подтверждённый пакет снова ставится в очередь, старший первым, по одному за такт, насколько позволяет окно, которое медленный старт снова открывает с одного пакета; ACK, покрывающий пакеты, сохранённые получателем, избавляет их от повтора.</translation>
    </message>
    <message>
        <source>The go-back-N sender then goes back: every later packet not yet acknowledged is queued again, oldest first, one a tick while they fit in the window.</source>
        <translation>Затем отправитель go-back-N возвращается: каждый более поздний ещё не подтверждённый пакет снова ставится в очередь, старший первым, по одному за такт, пока они помещаются в окно.</translation>
    </message>
    <message>
        <source>No new packet leaves until the round is over.</source>
        <translation>Ни один новый пакет не уходит, пока не закончится раунд.</translation>
    </message>
    <message>
        <source>No new packet leaves until the round is over: here only packet %1 is sent again, since the ACK for it covers the packets behind it, which the receiver kept.</source>
        <translation>Ни один новый пакет не уходит, пока не закончится раунд: здесь повторно передаётся только пакет %1, поскольку его ACK покрывает следующие за ним пакеты, которые получатель сохранил.</translation>
    </message>
    <message>
        <source>No new packet leaves until the round is over: here it sends %1 again.</source>
        <translation>Ни один новый пакет не уходит, пока не закончится раунд: здесь он заново отправляет %1.</translation>
    </message>
    <message>
        <source>Retransmission timeout.</source>
        <translation>Тайм-аут повторной передачи.</translation>
    </message>
    <message>
        <source>Packet %1&apos;s timer ran out before an ACK covered it, so the sender takes it for lost.</source>
        <translation>Таймер пакета %1 истёк раньше, чем его покрыл ACK, поэтому отправитель считает его потерянным.</translation>
    </message>
    <message>
        <source>keeps the SSThresh that fast retransmit set (never below 2 packets)</source>
        <translation>сохраняет SSThresh, установленный быстрой повторной передачей (не меньше 2 пакетов)</translation>
    </message>
    <message>
        <source>It %1, enters the TimedOut state, drops the Tx Window to one packet (slow start begins again) and queues %2 again.</source>
        <translation>Он %1, переходит в состояние TimedOut, сбрасывает окно передачи до одного пакета (медленный старт начинается заново) и снова ставит в очередь %2.</translation>
    </message>
    <message>
        <source>It %1, enters the TimedOut state and queues %2 again.</source>
        <translation>Он %1, переходит в состояние TimedOut и снова ставит в очередь %2.</translation>
    </message>
    <message>
        <source>With Selective Repeat the other packets keep their timers: only what timed out is resent.</source>
        <translation>При выборочном повторе остальные пакеты сохраняют свои таймеры: повторно передаётся только то, что истекло.</translation>
    </message>
    <message>
        <source>This sender, as the original program&apos;s, does not go back at once: the timers of the later packets stop, and each is sent again only when it has become the oldest unacknowledged packet, a round trip apiece.</source>
        <translation>Этот отправитель, как и в исходной программе, не возвращается сразу: таймеры более поздних пакетов останавливаются, и каждый передаётся повторно, лишь когда становится самым старым неподтверждённым пакетом, — по круговой задержке на каждый.</translation>
    </message>
    <message>
        <source>A textbook go-back-N sender would resend them all now (the option &quot;Sender resends the whole window on a timeout&quot;).</source>
        <translation>Отправитель go-back-N из учебника заново отправил бы их все сейчас (параметр «Sender resends the whole window on a timeout»).</translation>
    </message>
    <message>
        <source>Fast retransmit under Tahoe&apos;s rule.</source>
        <translation>Быстрая повторная передача по правилу Tahoe.</translation>
    </message>
    <message>
        <source>Fast retransmit.</source>
        <translation>Быстрая повторная передача.</translation>
    </message>
    <message>
        <source>Three duplicate ACKs in a row tell the sender that packet %1 is missing while later packets still arrive.</source>
        <translation>Три дублирующих ACK подряд сообщают отправителю, что пакет %1 пропал, а более поздние пакеты всё ещё приходят.</translation>
    </message>
    <message>
        <source>Without waiting for its timer the sender resends packet %1 and sets SSThresh to half the flight size (%2 packet in flight, never below 2).</source>
        <translation>Не дожидаясь таймера, отправитель повторно передаёт пакет %1 и устанавливает SSThresh в половину пакетов в пути (в пути пакетов: %2, не меньше 2).</translation>
    </message>
    <message>
        <source>Without waiting for its timer the sender resends packet %1 and sets SSThresh to half the flight size (%2 packets in flight, never below 2).</source>
        <translation>Не дожидаясь таймера, отправитель повторно передаёт пакет %1 и устанавливает SSThresh в половину пакетов в пути (в пути пакетов: %2, не меньше 2).</translation>
    </message>
    <message>
        <source>As TCP Tahoe does, it drops the Tx Window to one packet and starts slow start again: there is no fast recovery, and further duplicate ACKs change nothing.</source>
        <translation>Как TCP Tahoe, он сбрасывает окно передачи до одного пакета и снова начинает медленный старт: быстрого восстановления нет, и дальнейшие дублирующие ACK ничего не меняют.</translation>
    </message>
    <message>
        <source>It sets the Tx Window to half the window plus three packets, for the three that left the network (here %1, never above the receiver&apos;s window), and enters FastRetransmit; each further duplicate ACK inflates the window by one packet until a new ACK ends fast recovery.</source>
        <translation>Он устанавливает окно передачи в половину окна плюс три пакета — за три, покинувшие сеть (здесь %1, не больше окна получателя), и переходит в FastRetransmit; каждый следующий дублирующий ACK раздувает окно на один пакет, пока новый ACK не завершит быстрое восстановление.</translation>
    </message>
    <message>
        <source>The textbooks (RFC 5681) start from the new SSThresh plus three, %1 here too: this model halves the window, as the original program does, which differs whenever the window and the flight size do.</source>
        <translation>Учебники (RFC 5681) начинают с нового SSThresh плюс три, здесь тоже %1: эта модель, как и исходная программа, уменьшает окно вдвое, что даёт другой результат всякий раз, когда окно и число пакетов в пути различаются.</translation>
    </message>
    <message>
        <source>The textbooks (RFC 5681) start from the new SSThresh plus three, %1 here: this model halves the window, as the original program does, which differs whenever the window and the flight size do.</source>
        <translation>Учебники (RFC 5681) начинают с нового SSThresh плюс три, здесь %1: эта модель, как и исходная программа, уменьшает окно вдвое, что даёт другой результат всякий раз, когда окно и число пакетов в пути различаются.</translation>
    </message>
    <message>
        <source>Fast recovery: every further duplicate ACK means another packet has left the network, so the Tx Window is inflated by one packet.</source>
        <translation>Быстрое восстановление: каждый следующий дублирующий ACK означает, что ещё один пакет покинул сеть, поэтому окно передачи раздувается на один пакет.</translation>
    </message>
    <message>
        <source>A new ACK ends fast recovery: the Tx Window drops back to SSThresh (%1 packets).</source>
        <translation>Новый ACK завершает быстрое восстановление: окно передачи возвращается к SSThresh (%1 пакетов).</translation>
    </message>
    <message>
        <source>After a timeout every new ACK sets the Tx Window to the loss window of one packet, until the resent packet itself is acknowledged and slow start takes over.</source>
        <translation>После тайм-аута каждый новый ACK устанавливает окно передачи равным окну потерь в один пакет, пока сам повторно переданный пакет не будет подтверждён и не включится медленный старт.</translation>
    </message>
    <message>
        <source>Congestion avoidance: at or above SSThresh each new ACK adds one packet divided by the window in packets, which in the textbooks grows the window by about one packet per round trip.</source>
        <translation>Предотвращение перегрузки: при SSThresh и выше каждый новый ACK добавляет один пакет, делённый на окно в пакетах, что по учебникам увеличивает окно примерно на один пакет за круговую задержку.</translation>
    </message>
    <message>
        <source>This model, as the original program does, snaps the window to whole packets as soon as it rounds to the next one, which adds the rest of that packet at once: the window grows faster than one packet per round trip.</source>
        <translation>Эта модель, как и исходная программа, округляет окно до целых пакетов, как только оно округляется до следующего, что добавляет остаток этого пакета сразу: окно растёт быстрее одного пакета за круговую задержку.</translation>
    </message>
    <message>
        <source>Slow start: each new ACK grows the Tx Window by one packet, however many packets it acknowledges, so the window doubles every round trip until it reaches SSThresh.</source>
        <translation>Медленный старт: каждый новый ACK увеличивает окно передачи на один пакет, сколько бы пакетов он ни подтверждал, поэтому окно удваивается за каждую круговую задержку, пока не достигнет SSThresh.</translation>
    </message>
    <message>
        <source>Slow start: each new ACK grows the Tx Window by one packet, however many packets it acknowledges, so the window doubles every round trip.</source>
        <translation>Медленный старт: каждый новый ACK увеличивает окно передачи на один пакет, сколько бы пакетов он ни подтверждал, поэтому окно удваивается за каждую круговую задержку.</translation>
    </message>
    <message>
        <source>Selective repeat without slow start: each duplicate ACK opens the Tx Window by one packet while the holes are resent.</source>
        <translation>Выборочный повтор без медленного старта: каждый дублирующий ACK открывает окно передачи на один пакет, пока заново отправляются пропуски.</translation>
    </message>
    <message>
        <source>Selective repeat without slow start: the first new ACK after the duplicates restores the smallest window seen while they arrived.</source>
        <translation>Выборочный повтор без медленного старта: первый новый ACK после дублей восстанавливает наименьшее окно, бывшее во время их прихода.</translation>
    </message>
    <message>
        <source>The Tx Window never grows beyond the receiver&apos;s window (Rx Window Size).</source>
        <translation>Окно передачи никогда не превышает окно получателя (размер окна приёма).</translation>
    </message>
    <message>
        <source>the cell of packet %1</source>
        <translation>ячейка пакета %1</translation>
    </message>
    <message>
        <source>none: it is dropped</source>
        <translation>никакая: он отбрасывается</translation>
    </message>
    <message>
        <source>Packet %1 (sequence number %2) reaches the receiver in %3 tick.</source>
        <translation>Пакет %1 (порядковый номер %2) дойдёт до получателя через %3 такт.</translation>
    </message>
    <message>
        <source>Packet %1 (sequence number %2) reaches the receiver in %3 ticks.</source>
        <translation>Пакет %1 (порядковый номер %2) дойдёт до получателя через тактов: %3.</translation>
    </message>
    <message>
        <source>An ACK asking for packet %1 reaches the sender in %2 tick.</source>
        <translation>ACK с запросом пакета %1 дойдёт до отправителя через %2 такт.</translation>
    </message>
    <message>
        <source>An ACK asking for packet %1 reaches the sender in %2 ticks.</source>
        <translation>ACK с запросом пакета %1 дойдёт до отправителя через тактов: %2.</translation>
    </message>
    <message>
        <source>Which packet will the receiver ask for next?</source>
        <translation>Какой пакет получатель запросит следующим?</translation>
    </message>
    <message>
        <source>What will the Tx Window Size be?</source>
        <translation>Каким будет размер окна передачи?</translation>
    </message>
    <message>
        <source>Packet %1&apos;s timer runs out in %2 tick.</source>
        <translation>Таймер пакета %1 истечёт через %2 такт.</translation>
    </message>
    <message>
        <source>Packet %1&apos;s timer runs out in %2 ticks.</source>
        <translation>Таймер пакета %1 истечёт через тактов: %2.</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet %1 reaches the sender in %2 tick.</source>
        <translation>Третий дублирующий ACK с запросом пакета %1 дойдёт до отправителя через %2 такт.</translation>
    </message>
    <message>
        <source>The third duplicate ACK asking for packet %1 reaches the sender in %2 ticks.</source>
        <translation>Третий дублирующий ACK с запросом пакета %1 дойдёт до отправителя через тактов: %2.</translation>
    </message>
    <message>
        <source>What will SSThresh be?</source>
        <translation>Каким будет SSThresh?</translation>
    </message>
    <message>
        <source>Which packets will the sender send again before it sends a new one?</source>
        <translation>Какие пакеты отправитель передаст повторно, прежде чем отправит новый?</translation>
    </message>
    <message>
        <source>Which packets will the sender queue to send again right then?</source>
        <translation>Какие пакеты отправитель в этот момент снова поставит в очередь на отправку?</translation>
    </message>
    <message>
        <source>In-order receiver.</source>
        <translation>Получатель, принимающий только по порядку.</translation>
    </message>
    <message>
        <source>This receiver keeps only the packet it expects next, packet %1 (sequence number %2).</source>
        <translation>Этот получатель сохраняет только пакет, которого ждёт следующим, — пакет %1 (порядковый номер %2).</translation>
    </message>
    <message>
        <source>Packet %1 is dropped, and the receiver answers at once with an ACK asking again for packet %2: an ACK always names the next packet awaited, never the one that arrived.</source>
        <translation>Пакет %1 отбрасывается, и получатель сразу отвечает ACK, снова запрашивающим пакет %2: ACK всегда называет следующий ожидаемый пакет, а не тот, что пришёл.</translation>
    </message>
    <message>
        <source>The sender will have to send every later packet again.</source>
        <translation>Отправителю придётся заново отправить каждый более поздний пакет.</translation>
    </message>
    <message>
        <source>Which cell of the receiver&apos;s strip will take it in?</source>
        <translation>Какая ячейка полосы получателя его примет?</translation>
    </message>
    <message>
        <source>Sequence-number aliasing.</source>
        <translation>Наложение порядковых номеров.</translation>
    </message>
    <message>
        <source>The receiver knows a packet only by its sequence number, the packet number Mod %1.</source>
        <translation>Получатель знает пакет только по его порядковому номеру — номеру пакета Mod %1.</translation>
    </message>
    <message>
        <source>Packet %1 carries sequence number %2, and so does packet %3 inside the receive window, so the receiver takes it in as that packet: the cell turns dark red.</source>
        <translation>Пакет %1 несёт порядковый номер %2, как и пакет %3 внутри окна приёма, поэтому получатель принимает его как тот пакет: ячейка становится тёмно-красной.</translation>
    </message>
    <message>
        <source>The sequence space (Max Sequence No) is too small for the windows; it must hold the sender&apos;s and the receiver&apos;s windows together.</source>
        <translation>Пространство порядковых номеров (макс. порядковый номер) слишком мало для окон; оно должно вмещать окна отправителя и получателя вместе.</translation>
    </message>
    <message>
        <source>Cumulative acknowledgement.</source>
        <translation>Кумулятивное подтверждение.</translation>
    </message>
    <message>
        <source>Packet %1 is the packet the receiver was waiting for, and the packets after it had already arrived and been kept.</source>
        <translation>Пакет %1 — тот, которого ждал получатель, а пакеты после него уже пришли и были сохранены.</translation>
    </message>
    <message>
        <source>Its arrival completes the run, so the receive window slides past all of them and the ACK asks for packet %1, the first packet still missing, not for packet %2.</source>
        <translation>Его прибытие завершает последовательность, поэтому окно приёма сдвигается за все эти пакеты, и ACK запрашивает пакет %1 — первый ещё недостающий, а не пакет %2.</translation>
    </message>
    <message>
        <source>Which packet will the sender&apos;s window start at?</source>
        <translation>С какого пакета начнётся окно отправителя?</translation>
    </message>
    <message>
        <source>An ACK names the next packet the receiver awaits, so it acknowledges every packet before that one.</source>
        <translation>ACK называет следующий пакет, которого ждёт получатель, поэтому подтверждает все пакеты до него.</translation>
    </message>
    <message>
        <source>The sender blackens them, stops their timers and slides its window on to the oldest packet still unacknowledged, packet %1.</source>
        <translation>Отправитель закрашивает их чёрным, останавливает их таймеры и сдвигает окно к самому старому ещё не подтверждённому пакету — пакету %1.</translation>
    </message>
</context>
<context>
    <name>protocols</name>
    <message>
        <source>&quot;%1&quot; is not a protocol; the protocols are %2.</source>
        <translation>«%1» — не протокол; протоколы: %2.</translation>
    </message>
    <message>
        <source>A comparison runs two or three protocols, not %1.</source>
        <translation>Сравнение запускает два или три протокола, а не %1.</translation>
    </message>
    <message>
        <source>Stop-and-wait</source>
        <translation>Stop-and-wait</translation>
    </message>
    <message>
        <source>Go-back-N (textbook)</source>
        <translation>Go-back-N (по учебнику)</translation>
    </message>
    <message>
        <source>Selective repeat</source>
        <translation>Выборочный повтор</translation>
    </message>
    <message>
        <source>Tahoe-like TCP</source>
        <translation>TCP в духе Tahoe</translation>
    </message>
    <message>
        <source>Reno-like TCP</source>
        <translation>TCP в духе Reno</translation>
    </message>
    <message>
        <source>custom</source>
        <translation>свой</translation>
    </message>
    <message>
        <source>Receiver keeps out-of-order packets</source>
        <translation>Получатель сохраняет пакеты не по порядку</translation>
    </message>
    <message>
        <source>Fast retransmit as Tahoe: back to one packet</source>
        <translation>Быстрая повторная передача как в Tahoe: назад к одному пакету</translation>
    </message>
    <message>
        <source>Fast retransmit as Reno: fast recovery</source>
        <translation>Быстрая повторная передача как в Reno: быстрое восстановление</translation>
    </message>
</context>
<context>
    <name>run files</name>
    <message>
        <source>text</source>
        <extracomment>What a JSON value is, in &quot;The field &quot;x&quot; should be a list, not %2.&quot;</extracomment>
        <translation>текст</translation>
    </message>
    <message>
        <source>true or false</source>
        <translation>true или false</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>число</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>список</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>объект</translation>
    </message>
    <message>
        <source>null</source>
        <translation>null</translation>
    </message>
    <message>
        <source>The field %1 is missing.</source>
        <translation>Поле %1 отсутствует.</translation>
    </message>
    <message>
        <source>The field %1 should be an object, not %2.</source>
        <translation>Поле %1 должно быть объектом, а не %2.</translation>
    </message>
    <message>
        <source>The field %1 is %2, outside %3 to %4.</source>
        <translation>Поле %1 равно %2, вне диапазона от %3 до %4.</translation>
    </message>
    <message>
        <source>The field %1 should be a whole number written without a decimal point or an exponent, not %2.</source>
        <translation>Поле %1 должно быть целым числом без десятичной точки и экспоненты, а не %2.</translation>
    </message>
    <message>
        <source>The field %1 should be a whole number, not %2.</source>
        <translation>Поле %1 должно быть целым числом, а не %2.</translation>
    </message>
    <message>
        <source>The field %1 should be text, not %2.</source>
        <translation>Поле %1 должно быть текстом, а не %2.</translation>
    </message>
    <message>
        <source>The field %1 should be true or false, not %2.</source>
        <translation>Поле %1 должно быть true или false, а не %2.</translation>
    </message>
    <message>
        <source>The field %1 names no %2 this program knows: %3.</source>
        <translation>Поле %1 называет %2, неизвестный этой программе: %3.</translation>
    </message>
    <message>
        <source>line %1, column %2</source>
        <translation>строка %1, столбец %2</translation>
    </message>
    <message>
        <source>%1.%2 MB</source>
        <translation>%1,%2 МБ</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>The file is %1, larger than a run file may be (%2).</source>
        <translation>Размер файла %1 — больше, чем допустимо для файла прогона (%2).</translation>
    </message>
    <message>
        <source>The run in this link cannot be opened. It is larger than a run file may be (%1).</source>
        <translation>Не удаётся открыть прогон из этой ссылки. Он больше, чем допустимо для файла прогона (%1).</translation>
    </message>
    <message>
        <source>The field %1 should be a figure such as &quot; 4&quot;, not %2.</source>
        <translation>Поле %1 должно быть числом вида « 4», а не %2.</translation>
    </message>
    <message>
        <source>action</source>
        <translation>действие</translation>
    </message>
    <message>
        <source>option</source>
        <translation>параметр</translation>
    </message>
    <message>
        <source>slider</source>
        <translation>ползунок</translation>
    </message>
    <message>
        <source>The entry %1 should be an object, not %2.</source>
        <translation>Элемент %1 должен быть объектом, а не %2.</translation>
    </message>
    <message>
        <source>kind of question</source>
        <translation>тип вопроса</translation>
    </message>
    <message>
        <source>The field %1 is empty.</source>
        <translation>Поле %1 пусто.</translation>
    </message>
    <message>
        <source>The field %1 should be a list of two to four texts.</source>
        <translation>Поле %1 должно быть списком из двух–четырёх текстов.</translation>
    </message>
    <message>
        <source>The entry %1 should be text, not %2.</source>
        <translation>Элемент %1 должен быть текстом, а не %2.</translation>
    </message>
    <message>
        <source>The entry %1 is empty or the same as a choice before it.</source>
        <translation>Элемент %1 пуст или совпадает с одним из предыдущих вариантов.</translation>
    </message>
    <message>
        <source>The field %1 should be a list, not %2.</source>
        <translation>Поле %1 должно быть списком, а не %2.</translation>
    </message>
    <message>
        <source>The field %1 is %2, before the tick of the action before it (%3).</source>
        <translation>Поле %1 равно %2, что раньше такта предыдущего действия (%3).</translation>
    </message>
    <message>
        <source>The field %1 is %2, after the run&apos;s last tick (%3).</source>
        <translation>Поле %1 равно %2, что позже последнего такта прогона (%3).</translation>
    </message>
    <message>
        <source>The field %1 should be a list of at most %2 planned losses.</source>
        <translation>Поле %1 должно быть списком не более чем из %2 запланированных потерь.</translation>
    </message>
    <message>
        <source>The entry %1 should be one planned loss such as &quot;p5&quot;, &quot;p7.2&quot; or &quot;a9&quot;.</source>
        <translation>Элемент %1 должен быть одной запланированной потерей, например «p5», «p7.2» или «a9».</translation>
    </message>
    <message>
        <source>The file holds JSON but not a run: its top level is %1, not an object.</source>
        <translation>Файл содержит JSON, но не прогон: его верхний уровень — %1, а не объект.</translation>
    </message>
    <message>
        <source>The file is not a run file: its field %1 is not %2.</source>
        <translation>Файл не является файлом прогона: его поле %1 не равно %2.</translation>
    </message>
    <message>
        <source>The file is format version %1, newer than this program reads (%2); a newer version of the program opens it.</source>
        <translation>Файл имеет формат версии %1, новее, чем читает эта программа (%2); его откроет более новая версия программы.</translation>
    </message>
    <message>
        <source>The field %1 should be a list of one or two runs.</source>
        <translation>Поле %1 должно быть списком из одного или двух прогонов.</translation>
    </message>
    <message>
        <source>The field %1 should be a list of at most %2 questions.</source>
        <translation>Поле %1 должно быть списком не более чем из %2 вопросов.</translation>
    </message>
    <message>
        <source>The field %1 is before the tick of the question before it.</source>
        <translation>Поле %1 раньше такта предыдущего вопроса.</translation>
    </message>
    <message>
        <source>The file holds an object with more than %1 fields; a run file&apos;s have a dozen at most.</source>
        <translation>Файл содержит объект с более чем %1 полями; у файла прогона их не больше дюжины.</translation>
    </message>
    <message>
        <source>The file nests its lists and objects more than %1 deep; a run file needs three.</source>
        <translation>Файл вкладывает списки и объекты глубже %1 уровней; файлу прогона нужно три.</translation>
    </message>
    <message>
        <source>The file holds more values than a run file of %1 MB can.</source>
        <translation>Файл содержит больше значений, чем может вместить файл прогона размером %1 МБ.</translation>
    </message>
    <message>
        <source>The file holds a NUL byte at %1: a run file is plain text.</source>
        <translation>Файл содержит байт NUL в позиции %1: файл прогона — это простой текст.</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text: a malformed byte stands at %1.</source>
        <translation>Файл не является текстом UTF-8: в позиции %1 стоит некорректный байт.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Файл пуст.</translation>
    </message>
    <message>
        <source>The file is not valid JSON: something unexpected stands at %1.</source>
        <translation>Файл не является корректным JSON: в позиции %1 стоит что-то неожиданное.</translation>
    </message>
    <message>
        <source>The file ends too early, at %1: it is cut short.</source>
        <translation>Файл заканчивается слишком рано, в позиции %1: он обрезан.</translation>
    </message>
    <message>
        <source>The file has more after its end, at %1.</source>
        <translation>В файле есть что-то после его конца, в позиции %1.</translation>
    </message>
    <message>
        <source>The file is not valid JSON.</source>
        <translation>Файл не является корректным JSON.</translation>
    </message>
    <message>
        <source>The file holds a value of the wrong kind.</source>
        <translation>Файл содержит значение неверного типа.</translation>
    </message>
    <message>
        <source>Could not open %1: there is no such file.</source>
        <translation>Не удалось открыть %1: такого файла нет.</translation>
    </message>
    <message>
        <source>Could not open %1: it is a folder, not a file.</source>
        <translation>Не удалось открыть %1: это папка, а не файл.</translation>
    </message>
    <message>
        <source>Could not open %1: %2.</source>
        <translation>Не удалось открыть %1: %2.</translation>
    </message>
    <message>
        <source>Could not open %1: it is not a plain file.</source>
        <translation>Не удалось открыть %1: это не обычный файл.</translation>
    </message>
    <message>
        <source>Could not open %1: it cannot be read.</source>
        <translation>Не удалось открыть %1: его нельзя прочитать.</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>Не удалось записать %1: %2.</translation>
    </message>
    <message>
        <source>This run is too long to save: its first %1 ticks were dropped to keep within the memory budget.</source>
        <translation>Этот прогон слишком длинный для сохранения: его первые %1 тактов удалены, чтобы уложиться в бюджет памяти.</translation>
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
        <translation>Медленный старт</translation>
    </message>
    <message>
        <source>Avoidance</source>
        <translation>Предотвращение перегрузки</translation>
    </message>
    <message>
        <source>Fast Retransmit</source>
        <translation>Быстрая повторная передача</translation>
    </message>
    <message>
        <source>Selective Repeat</source>
        <translation>Выборочный повтор</translation>
    </message>
    <message>
        <source>Delayed ACKs</source>
        <translation>Отложенные ACK</translation>
    </message>
    <message>
        <source>Auto RTT</source>
        <translation>Auto RTT</translation>
    </message>
    <message>
        <source>Slide Numbers</source>
        <translation>Сдвигать номера</translation>
    </message>
    <message>
        <source>Tx Window Size</source>
        <translation>Размер окна передачи</translation>
    </message>
    <message>
        <source>Current Flight Size</source>
        <translation>Пакетов в пути</translation>
    </message>
    <message>
        <source>Duplicate ACKs</source>
        <translation>Дублирующие ACK</translation>
    </message>
    <message>
        <source>SSThresh</source>
        <translation>SSThresh</translation>
    </message>
    <message>
        <source>Rx Window Size</source>
        <translation>Размер окна приёма</translation>
    </message>
    <message>
        <source>Timeout Timer</source>
        <translation>Таймер тайм-аута</translation>
    </message>
    <message>
        <source>TimeOut Timer</source>
        <translation>Таймер тайм-аута</translation>
    </message>
    <message>
        <source>Max Sequence No</source>
        <translation>Макс. порядковый номер</translation>
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
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Packet X : Sequence Number X</source>
        <translation>Пакет X : порядковый номер X</translation>
    </message>
    <message>
        <source>ACK for X : Sent After Packet X Arrived</source>
        <translation>ACK на X : отправлен после прибытия пакета X</translation>
    </message>
    <message>
        <source>Packet %1 : Sequence Number %2</source>
        <translation>Пакет %1 : порядковый номер %2</translation>
    </message>
    <message>
        <source>ACK with Seq Num %1 (packet %2) : Packet %3 Arrived</source>
        <translation>ACK на № %1 (пакет %2) : прибыл пакет %3</translation>
    </message>
    <message>
        <source>Press &apos;Start&apos; to go...</source>
        <translation>Нажмите «Start», чтобы начать...</translation>
    </message>
    <message>
        <source>Hoping for ACK with sequence number %1</source>
        <translation>Ожидание ACK с порядковым номером %1</translation>
    </message>
    <message>
        <source>Hoping for ACK with sequence number between %1 and %2</source>
        <translation>Ожидание ACK с порядковым номером от %1 до %2</translation>
    </message>
    <message>
        <source>Waiting for packet %1 with sequence number %2</source>
        <translation>Ожидание пакета %1 с порядковым номером %2</translation>
    </message>
    <message>
        <source>Transmit window now %1 only %2 in flight, so sending packet %3</source>
        <translation>Окно передачи теперь %1, в пути только %2, поэтому отправляется пакет %3</translation>
    </message>
    <message>
        <source>Sending ACK for packet %1 (sequence number %2) asking for packet with sequence number %3</source>
        <translation>Отправка ACK на пакет %1 (порядковый номер %2) с запросом пакета с порядковым номером %3</translation>
    </message>
    <message>
        <source> %1 Duplicate ACK for sequence number %2 arrived</source>
        <translation> Пришёл %1-й дублирующий ACK на порядковый номер %2</translation>
    </message>
    <message>
        <source>Non-Duplicate ACK arrived: leaving fast re-transmit.</source>
        <translation>Пришёл недублирующий ACK: выход из быстрой повторной передачи.</translation>
    </message>
    <message>
        <source>New ACK arrived: increasing window size to %1</source>
        <translation>Пришёл новый ACK: окно увеличено до %1</translation>
    </message>
    <message>
        <source>Third duplicate ACK arrived.  Entering fast retransmit, and retransmitting packet %1</source>
        <translation>Пришёл третий дублирующий ACK.  Начало быстрой повторной передачи, повторная передача пакета %1</translation>
    </message>
    <message>
        <source>Third duplicate ACK arrived.  Tahoe: retransmitting packet %1 and starting again from a window of one packet</source>
        <translation>Пришёл третий дублирующий ACK.  Tahoe: повторная передача пакета %1 и новый старт с окна в один пакет</translation>
    </message>
    <message>
        <source>Retransmitting packet %1</source>
        <translation>Повторная передача пакета %1</translation>
    </message>
    <message>
        <source>Going back: retransmitting packet %1</source>
        <translation>Возврат: повторная передача пакета %1</translation>
    </message>
    <message>
        <source>Run Out of Packets to Send</source>
        <translation>Пакеты для отправки закончились</translation>
    </message>
</context>
<context>
    <name>status</name>
    <message>
        <source>End of the lesson</source>
        <translation>Конец урока</translation>
    </message>
    <message>
        <source>Run %1</source>
        <translation>Прогон %1</translation>
    </message>
    <message>
        <source>Tick %1</source>
        <translation>Такт %1</translation>
    </message>
    <message>
        <source>Run %1: %2</source>
        <translation>Прогон %1: %2</translation>
    </message>
    <message>
        <source>Run %1, options kept at Reset</source>
        <translation>Прогон %1, параметры сохранены при Reset</translation>
    </message>
    <message>
        <source>%1: End of the lesson</source>
        <translation>%1: конец урока</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>Receiver keeps only in-order packets</source>
        <translation>Получатель сохраняет только пакеты по порядку</translation>
    </message>
    <message>
        <source>Sender resends the whole window on a timeout</source>
        <translation>Отправитель при тайм-ауте заново отправляет всё окно</translation>
    </message>
    <message>
        <source>Fast retransmit restarts slow start (Tahoe)</source>
        <translation>Быстрая повторная передача заново начинает медленный старт (Tahoe)</translation>
    </message>
    <message>
        <source>This run has used every packet number up to %1. Press Reset to start a new run.</source>
        <translation>Этот прогон использовал все номера пакетов до %1. Нажмите Reset, чтобы начать новый прогон.</translation>
    </message>
</context>
</TS>
