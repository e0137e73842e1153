<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AmbientPlayer</name>
    <message>
        <source>Ambient sound</source>
        <translation>Dźwięk tła</translation>
    </message>
</context>
<context>
    <name>AmbientSound</name>
    <message>
        <source>Pink Noise</source>
        <translation>Szum różowy</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Woda</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Deszcz</translation>
    </message>
    <message>
        <source>Lullaby</source>
        <translation>Kołysanka</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Brown Noise</source>
        <translation>Szum brązowy</translation>
    </message>
    <message>
        <source>White Noise</source>
        <translation>Szum biały</translation>
    </message>
</context>
<context>
    <name>LightWarningDialog</name>
    <message>
        <source>Flashing Light</source>
        <translation>Migające światło</translation>
    </message>
    <message>
        <source>The visualizer fills the screen with colour that flashes 3 to 27 times a second.</source>
        <translation>Wizualizacja wypełnia ekran kolorem, który miga od 3 do 27 razy na sekundę.</translation>
    </message>
    <message>
        <source>If you have photosensitive epilepsy or have ever had a seizure brought on by light, do not look at it: ask a doctor first.</source>
        <translation>Jeśli chorujesz na padaczkę fotogenną lub zdarzył ci się kiedyś napad wywołany światłem, nie patrz na nie: najpierw zapytaj lekarza.</translation>
    </message>
    <message>
        <source>Play Without the Light</source>
        <translation>Odtwarzaj bez światła</translation>
    </message>
    <message>
        <source>&amp;Show the Light</source>
        <translation>&amp;Pokaż światło</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Active Concentration</source>
        <translation>Aktywna koncentracja</translation>
    </message>
    <message>
        <source>Complete Meditation</source>
        <translation>Pełna medytacja</translation>
    </message>
    <message>
        <source>Deep Sleep</source>
        <translation>Głęboki sen</translation>
    </message>
    <message>
        <source>Deep Thought Meditation</source>
        <translation>Medytacja kontemplacyjna</translation>
    </message>
    <message>
        <source>Dream Sleep</source>
        <translation>Senne marzenia</translation>
    </message>
    <message>
        <source>Morning Wake</source>
        <translation>Poranne przebudzenie</translation>
    </message>
    <message>
        <source>Quick Meditation</source>
        <translation>Szybka medytacja</translation>
    </message>
    <message>
        <source>Relaxed to Deep Thought</source>
        <translation>Od relaksu do kontemplacji</translation>
    </message>
    <message>
        <source>Relaxed to Complete Meditation</source>
        <translation>Od relaksu do pełnej medytacji</translation>
    </message>
    <message>
        <source>Tired to Deep Sleep</source>
        <translation>Od zmęczenia do głębokiego snu</translation>
    </message>
    <message>
        <source>Tired to Dreaming</source>
        <translation>Od zmęczenia do sennych marzeń</translation>
    </message>
    <message>
        <source>Set session duration:</source>
        <translation>Czas trwania sesji:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Rozpocznij</translation>
    </message>
    <message>
        <source>Headphones required for best results</source>
        <translation>Najlepiej słuchać w słuchawkach</translation>
    </message>
    <message>
        <source>Ambient Audio</source>
        <translation>Dźwięk tła</translation>
    </message>
    <message>
        <source>Secondary Tone</source>
        <translation>Ton dodatkowy</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Flashes the whole screen 3 to 27 times a second. Flashing light at these rates can trigger seizures in people with photosensitive epilepsy: uncheck Visualizer if you may be at risk.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Cały ekran miga od 3 do 27 razy na sekundę. Światło migające z taką częstotliwością może wywołać napad u osób z padaczką fotogenną: jeśli należysz do grupy ryzyka, odznacz pole „Wizualizacja”.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Visualizer</source>
        <translation>Wizualizacja</translation>
    </message>
    <message>
        <source>0 h</source>
        <translation>0 godz.</translation>
    </message>
    <message>
        <source>1 h</source>
        <translation>1 godz.</translation>
    </message>
    <message>
        <source>2 h</source>
        <translation>2 godz.</translation>
    </message>
    <message>
        <source>3 h</source>
        <translation>3 godz.</translation>
    </message>
    <message>
        <source>4 h</source>
        <translation>4 godz.</translation>
    </message>
    <message>
        <source>5 h</source>
        <translation>5 godz.</translation>
    </message>
    <message>
        <source>6 h</source>
        <translation>6 godz.</translation>
    </message>
    <message>
        <source>7 h</source>
        <translation>7 godz.</translation>
    </message>
    <message>
        <source>8 h</source>
        <translation>8 godz.</translation>
    </message>
    <message>
        <source>9 h</source>
        <translation>9 godz.</translation>
    </message>
    <message>
        <source>10 h</source>
        <translation>10 godz.</translation>
    </message>
    <message>
        <source>11 h</source>
        <translation>11 godz.</translation>
    </message>
    <message>
        <source>12 h</source>
        <translation>12 godz.</translation>
    </message>
    <message>
        <source>5 m</source>
        <translation>5 min</translation>
    </message>
    <message>
        <source>10 m</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>15 m</source>
        <translation>15 min</translation>
    </message>
    <message>
        <source>20 m</source>
        <translation>20 min</translation>
    </message>
    <message>
        <source>25 m</source>
        <translation>25 min</translation>
    </message>
    <message>
        <source>30 m</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>35 m</source>
        <translation>35 min</translation>
    </message>
    <message>
        <source>40 m</source>
        <translation>40 min</translation>
    </message>
    <message>
        <source>45 m</source>
        <translation>45 min</translation>
    </message>
    <message>
        <source>50 m</source>
        <translation>50 min</translation>
    </message>
    <message>
        <source>55 m</source>
        <translation>55 min</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;Please select a session from the list to the left. A description of the session will appear in this block. &lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Lucida Grande&apos;;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;After you have chosen a session, choose an ambient noise, set the duration, and press start to begin the session. &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;Wybierz program z listy po lewej. Tutaj pojawi się jego opis. &lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Lucida Grande&apos;;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;Następnie wybierz dźwięk tła i czas trwania, a potem naciśnij „Rozpocznij”, aby rozpocząć sesję. &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Select a session first!</source>
        <translation>Najpierw wybierz program!</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Your changes will take effect during the next tone scheduled tone change.</source>
        <translation>Zmiana zacznie działać przy następnej zaplanowanej zmianie tonu.</translation>
    </message>
    <message>
        <source>No sound output: check your speakers or headphones</source>
        <translation>Brak wyjścia dźwięku: sprawdź głośniki lub słuchawki</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Your Own Sound...</source>
        <translation>Własny dźwięk...</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; is gone: Pink Noise plays instead.</source>
        <translation>Własny dźwięk „%1” zniknął: zamiast niego gra szum różowy.</translation>
    </message>
    <message>
        <source>Sound files (%1)</source>
        <translation>Pliki dźwiękowe (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Choose Your Own Sound</source>
        <translation>Wybierz własny dźwięk</translation>
    </message>
    <message>
        <source>&amp;Programs</source>
        <translation>&amp;Programy</translation>
    </message>
    <message>
        <source>&amp;New Program...</source>
        <translation>&amp;Nowy program…</translation>
    </message>
    <message>
        <source>&amp;Open Program File...</source>
        <translation>&amp;Otwórz plik programu…</translation>
    </message>
    <message>
        <source>&amp;Edit Program...</source>
        <translation>&amp;Edytuj program…</translation>
    </message>
    <message>
        <source>D&amp;uplicate Program...</source>
        <translation>Zd&amp;uplikuj program…</translation>
    </message>
    <message>
        <source>&amp;Delete Program</source>
        <translation>U&amp;suń program</translation>
    </message>
    <message>
        <source>%1: this program&apos;s file has an error</source>
        <translation>%1: plik tego programu zawiera błąd</translation>
    </message>
    <message>
        <source>New Program</source>
        <translation>Nowy program</translation>
    </message>
    <message>
        <source>Open Program File</source>
        <translation>Otwórz plik programu</translation>
    </message>
    <message>
        <source>Velmora programs (*.velmora)</source>
        <translation>Programy Velmora (*.velmora)</translation>
    </message>
    <message>
        <source>Edit Program</source>
        <translation>Edytuj program</translation>
    </message>
    <message>
        <source>Duplicate Program</source>
        <translation>Zduplikuj program</translation>
    </message>
    <message>
        <source>Choose a program to duplicate first.</source>
        <translation>Najpierw wybierz program do zduplikowania.</translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Usuń program</translation>
    </message>
    <message>
        <source>Move &quot;%1&quot; to the trash?</source>
        <translation>Przenieść „%1” do kosza?</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programy</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Export Session...</source>
        <translation>&amp;Eksportuj sesję…</translation>
    </message>
    <message>
        <source>Export Session</source>
        <translation>Eksportuj sesję</translation>
    </message>
    <message>
        <source>Sound files (*.flac *.mp3 *.ogg *.opus *.wav)</source>
        <translation>Pliki dźwiękowe (*.flac *.mp3 *.ogg *.opus *.wav)</translation>
    </message>
    <message>
        <source>End the file name with .flac, .mp3, .ogg, .opus or .wav.</source>
        <translation>Zakończ nazwę pliku na .flac, .mp3, .ogg, .opus lub .wav.</translation>
    </message>
    <message>
        <source>Exporting the session...</source>
        <translation>Eksportowanie sesji…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>%1% done, about %2 left</source>
        <translation>Gotowe %1%, pozostało około %2</translation>
    </message>
    <message>
        <source>Session exported to %1</source>
        <translation>Sesja wyeksportowana do %1</translation>
    </message>
    <message>
        <source>Export cancelled: no file written</source>
        <translation>Eksport anulowany: nie zapisano pliku</translation>
    </message>
    <message>
        <source>The session could not be exported: %1</source>
        <translation>Nie udało się wyeksportować sesji: %1</translation>
    </message>
</context>
<context>
    <name>OwnSound</name>
    <message>
        <source>Your own sound &quot;%1&quot; is missing.</source>
        <translation>Brak własnego dźwięku „%1”.</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; cannot be read.</source>
        <translation>Nie można odczytać własnego dźwięku „%1”.</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; is not a sound file Velmora can play.</source>
        <translation>Własny dźwięk „%1” nie jest plikiem dźwiękowym, który Velmora potrafi odtworzyć.</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; holds no sound.</source>
        <translation>Własny dźwięk „%1” nie zawiera dźwięku.</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; is damaged part way through.</source>
        <translation>Własny dźwięk „%1” jest uszkodzony w połowie.</translation>
    </message>
</context>
<context>
    <name>ProgramCatalogue</name>
    <message>
        <source>Active Concentration</source>
        <translation>Aktywna koncentracja</translation>
    </message>
    <message>
        <source>This program will raise your brain wave frequency, allowing you maximum alertness to tackle whatever deserves your complete attention.</source>
        <translation>Ten program podnosi częstotliwość fal mózgowych i daje ci pełną czujność, by zmierzyć się ze wszystkim, co wymaga twojej całkowitej uwagi.</translation>
    </message>
    <message>
        <source>Complete Meditation</source>
        <translation>Pełna medytacja</translation>
    </message>
    <message>
        <source>This program will take you from the average waking frequency to the low delta frequencies to take you away from it all. At the bottom of the frequency range you will be presented with blue light, proven to react with your circadian rhythm to help keep you awake. This will allow you full control of your mind as you journey through this relaxing state.</source>
        <translation>Ten program prowadzi cię od zwykłej częstotliwości czuwania do niskich częstotliwości delta, z dala od wszystkiego. W najniższym punkcie zobaczysz niebieskie światło, które, jak wykazano, wpływa na rytm dobowy i pomaga nie zasnąć. Dzięki temu w pełni panujesz nad umysłem, przechodząc przez ten stan relaksu.</translation>
    </message>
    <message>
        <source>Deep Sleep</source>
        <translation>Głęboki sen</translation>
    </message>
    <message>
        <source>Like the previous program, this one also takes you down from normal waking levels to the delta levels associated with deep sleep and loss of body awareness. It uses long-wavelength red light, which has less effect on the circadian system that blue light, allowing you to drift into a restful slumber.</source>
        <translation>Podobnie jak poprzedni program, ten również prowadzi od zwykłego czuwania do częstotliwości delta, związanych z głębokim snem i słabnącym poczuciem własnego ciała. Używa czerwonego światła o długiej fali, które słabiej niż niebieskie wpływa na rytm dobowy, pozwalając ci zapaść w spokojny sen.</translation>
    </message>
    <message>
        <source>Deep Thought Meditation</source>
        <translation>Medytacja kontemplacyjna</translation>
    </message>
    <message>
        <source>Unlike the Complete Meditation program, this one will only lower you down to the theta wave state. This frequency is associated with deep meditation and will allow you more brain activity during your session. It uses the same blue light to help keep your circadian rhythm in the waking state.</source>
        <translation>W odróżnieniu od programu „Pełna medytacja” ten prowadzi tylko do stanu theta. Ta częstotliwość wiąże się z głęboką medytacją i pozwala mózgowi na większą aktywność podczas sesji. Używa tego samego niebieskiego światła, by utrzymać rytm dobowy w stanie czuwania.</translation>
    </message>
    <message>
        <source>Dream Sleep</source>
        <translation>Senne marzenia</translation>
    </message>
    <message>
        <source>This program also takes you down to the theta wave state, but uses red light for minimal effect on the circadian rhythm. During sleep, the theta wave frequencies are associated with REM sleep and a period of dreaming.</source>
        <translation>Ten program również prowadzi do stanu theta, ale używa czerwonego światła, które prawie nie wpływa na rytm dobowy. Podczas snu częstotliwości theta wiążą się z fazą REM, czyli okresem marzeń sennych.</translation>
    </message>
    <message>
        <source>Morning Wake</source>
        <translation>Poranne przebudzenie</translation>
    </message>
    <message>
        <source>This selection is designed for short session that will invigorate your mind and bring it up from the lower frequencies associated with sleep. All of the colors used during this session contain blue light, which reacts with circadian system to bring you to a waking state.</source>
        <translation>Ten program jest przeznaczony na krótkie sesje, które ożywiają umysł i wyprowadzają go z niskich częstotliwości snu. Wszystkie kolory tej sesji zawierają niebieskie światło, które działa na rytm dobowy i pomaga się obudzić.</translation>
    </message>
    <message>
        <source>Quick Meditation</source>
        <translation>Szybka medytacja</translation>
    </message>
    <message>
        <source> This program is designed for shorter duration meditation sessions. It will only take you down to the alpha wave state, this will allow a quick relaxation without making it difficult to bring yourself back to an awake and fully alert state.</source>
        <translation>Ten program jest przeznaczony na krótsze sesje medytacji. Prowadzi tylko do stanu alfa: szybko się odprężasz, a potem bez trudu wracasz do pełnego rozbudzenia i czujności.</translation>
    </message>
    <message>
        <source>Relaxed to Deep Thought</source>
        <translation>Od relaksu do kontemplacji</translation>
    </message>
    <message>
        <source>This program is exactly like the Deep Thought Meditation program, except it begins your journey at the high alpha wave state. This is beneficial if you are already in a relaxed state and find the Deep Thought Meditation program starts off at too high a frequency.</source>
        <translation>Ten program działa tak samo jak „Medytacja kontemplacyjna”, ale zaczyna podróż od górnego zakresu fal alfa. Przydaje się, gdy jesteś już w stanie relaksu, a program „Medytacja kontemplacyjna” zaczyna dla ciebie od zbyt wysokiej częstotliwości.</translation>
    </message>
    <message>
        <source>Relaxed to Complete Meditation</source>
        <translation>Od relaksu do pełnej medytacji</translation>
    </message>
    <message>
        <source>This program is equivalent to the Complete Meditation program in the same way that the Relaxed to Deep Thought program is similar to Deep Thought Meditation. Use it if you are beginning in a relaxed state and want to go down to a deep meditation.</source>
        <translation>Ten program ma się do programu „Pełna medytacja” tak, jak program „Od relaksu do kontemplacji” do programu „Medytacja kontemplacyjna”. Użyj go, jeśli zaczynasz w stanie relaksu i chcesz zejść do głębokiej medytacji.</translation>
    </message>
    <message>
        <source>Tired to Deep Sleep</source>
        <translation>Od zmęczenia do głębokiego snu</translation>
    </message>
    <message>
        <source>This program is designed for people who are already tired or relaxed and want to go down to the sleep state that the Deep Sleep program induces.</source>
        <translation>Ten program jest przeznaczony dla osób już zmęczonych lub zrelaksowanych, które chcą zejść do stanu snu, jaki wywołuje program „Głęboki sen”.</translation>
    </message>
    <message>
        <source>Tired to Dreaming</source>
        <translation>Od zmęczenia do sennych marzeń</translation>
    </message>
    <message>
        <source>This program is designed for people who are already tired or relaxed and want to go down to the sleep state that the Dream Sleep program induces.</source>
        <translation>Ten program jest przeznaczony dla osób już zmęczonych lub zrelaksowanych, które chcą zejść do stanu snu, jaki wywołuje program „Senne marzenia”.</translation>
    </message>
</context>
<context>
    <name>Timeline</name>
    <message>
        <source>Ending...</source>
        <translation>Kończenie sesji…</translation>
    </message>
    <message>
        <source>Time Left: %1 Press esc to exit visualizer</source>
        <translation>Pozostały czas: %1 – Esc, aby wyjść</translation>
    </message>
</context>
<context>
    <name>ToneKind</name>
    <message>
        <source>Binaural Beat (Headphones)</source>
        <translation>Dudnienie binauralne (słuchawki)</translation>
    </message>
    <message>
        <source>Isochronic Pulses (Speakers)</source>
        <translation>Impulsy izochroniczne (głośniki)</translation>
    </message>
    <message>
        <source>Monaural Beat (Speakers)</source>
        <translation>Dudnienie monauralne (głośniki)</translation>
    </message>
</context>
<context>
    <name>TonePlayer</name>
    <message>
        <source>Binaural tone</source>
        <translation>Ton binauralny</translation>
    </message>
</context>
<context>
    <name>BeatPlot</name>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
</context>
<context>
    <name>KeyFile</name>
    <message>
        <source>&quot;%1&quot; is not a group name</source>
        <translation>„%1” nie jest nazwą grupy</translation>
    </message>
    <message>
        <source>the line is neither a [group], a key=value pair nor a #comment</source>
        <translation>wiersz nie jest ani [grupą], ani parą klucz=wartość, ani #komentarzem</translation>
    </message>
    <message>
        <source>a key comes before the first group</source>
        <translation>klucz stoi przed pierwszą grupą</translation>
    </message>
</context>
<context>
    <name>ProgramChoice</name>
    <message>
        <source>This program&apos;s file has an error.</source>
        <translation>Plik tego programu zawiera błąd.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>ProgramEditor</name>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nazwa:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Opis:</translation>
    </message>
    <message>
        <source>&amp;Stages, in the order they play:</source>
        <translation>&amp;Etapy w kolejności odtwarzania:</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Czas trwania</translation>
    </message>
    <message>
        <source>Beat from (Hz)</source>
        <translation>Dudnienie od (Hz)</translation>
    </message>
    <message>
        <source>Beat to (Hz)</source>
        <translation>Dudnienie do (Hz)</translation>
    </message>
    <message>
        <source>Colour from</source>
        <translation>Kolor od</translation>
    </message>
    <message>
        <source>Colour to</source>
        <translation>Kolor do</translation>
    </message>
    <message>
        <source>&amp;Add Stage</source>
        <translation>&amp;Dodaj etap</translation>
    </message>
    <message>
        <source>&amp;Remove Stage</source>
        <translation>&amp;Usuń etap</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>W &amp;górę</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>W dó&amp;ł</translation>
    </message>
    <message>
        <source>The beat over a session of %1:</source>
        <translation>Dudnienie w sesji trwającej %1:</translation>
    </message>
    <message>
        <source>Stage %1, %2: %3</source>
        <translation>Etap %1, %2: %3</translation>
    </message>
    <message>
        <source>A program needs a name.</source>
        <translation>Program musi mieć nazwę.</translation>
    </message>
    <message>
        <source>Name: a program needs a name.</source>
        <translation>Nazwa: program musi mieć nazwę.</translation>
    </message>
    <message>
        <source>A program needs at least one stage.</source>
        <translation>Program musi mieć co najmniej jeden etap.</translation>
    </message>
    <message>
        <source>Write a time such as 90s, 5m or 1h30m, a share of the session such as 20%, or rest.</source>
        <translation>Wpisz czas, np. 90s, 5m lub 1h30m, część sesji, np. 20%, albo rest.</translation>
    </message>
    <message>
        <source>Stage %1 takes the rest already; only one stage may.</source>
        <translation>Etap %1 już zajmuje resztę; może to tylko jeden etap.</translation>
    </message>
    <message>
        <source>The shares of the session come to more than 100%.</source>
        <translation>Części sesji dają razem ponad 100%.</translation>
    </message>
    <message>
        <source>Write a beat from 0.5 to 40 Hz.</source>
        <translation>Wpisz dudnienie od 0.5 do 40 Hz.</translation>
    </message>
    <message>
        <source>Write one of %1, or #rrggbb.</source>
        <translation>Wpisz jeden z kolorów: %1 albo #rrggbb.</translation>
    </message>
    <message>
        <source>The plot returns when every stage can be read.</source>
        <translation>Wykres wróci, gdy każdy etap da się odczytać.</translation>
    </message>
</context>
<context>
    <name>ProgramFile</name>
    <message>
        <source>%1: there is no such file</source>
        <translation>%1: nie ma takiego pliku</translation>
    </message>
    <message>
        <source>%1: the file cannot be read: %2</source>
        <translation>%1: nie można odczytać pliku: %2</translation>
    </message>
    <message>
        <source>%1: the file is larger than 1 MiB; a program file is a few lines of text</source>
        <translation>%1: plik jest większy niż 1 MiB; plik programu to kilka wierszy tekstu</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1: wiersz %2: %3</translation>
    </message>
    <message>
        <source>%1: Stage %2, %3 (line %4): %5</source>
        <translation>%1: Stage %2, %3 (wiersz %4): %5</translation>
    </message>
    <message>
        <source>this is not a text file (it holds a zero byte)</source>
        <translation>to nie jest plik tekstowy (zawiera bajt zerowy)</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>tekst nie jest w UTF-8</translation>
    </message>
    <message>
        <source>%1: there is no [Velmora Program] group</source>
        <translation>%1: brak grupy [Velmora Program]</translation>
    </message>
    <message>
        <source>[Velmora Program] has no Name</source>
        <translation>[Velmora Program] nie ma klucza Name</translation>
    </message>
    <message>
        <source>[%1]: stages are numbered from 1 to %2, as [Stage 1]</source>
        <translation>[%1]: etapy są numerowane od 1 do %2, jak [Stage 1]</translation>
    </message>
    <message>
        <source>the program has no stages; add a [Stage 1] group</source>
        <translation>program nie ma etapów; dodaj grupę [Stage 1]</translation>
    </message>
    <message>
        <source>%1: Stage %2 (line %3): there is no %4</source>
        <translation>%1: Stage %2 (wiersz %3): brak %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a length; write a time such as 90s, 5m or 1h30m, a share of the session such as 20%, or rest</source>
        <translation>„%1” nie jest czasem trwania; wpisz czas, np. 90s, 5m lub 1h30m, część sesji, np. 20%, albo rest</translation>
    </message>
    <message>
        <source>Stage %1 takes the rest already; only one stage may</source>
        <translation>etap %1 już zajmuje resztę; może to tylko jeden etap</translation>
    </message>
    <message>
        <source>the shares of the session come to more than 100%</source>
        <translation>części sesji dają razem ponad 100%</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a beat from 0.5 to 40 Hz; write one such as 8, or a ramp such as 18 to 8</source>
        <translation>„%1” nie jest dudnieniem od 0.5 do 40 Hz; wpisz np. 8 albo przejście, np. 18 to 8</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a kind of tone; write one of %2</source>
        <translation>„%1” nie jest rodzajem tonu; wpisz jeden z: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; write one of %2 or #rrggbb, or a ramp such as yellow to blue</source>
        <translation>„%1” nie jest kolorem; wpisz jeden z: %2 albo #rrggbb, albo przejście, np. yellow to blue</translation>
    </message>
</context>
<context>
    <name>ProgramLibrary</name>
    <message>
        <source>%1: the program could not be saved: %2</source>
        <translation>%1: nie udało się zapisać programu: %2</translation>
    </message>
    <message>
        <source>%1: the file cannot be read: %2</source>
        <translation>%1: nie można odczytać pliku: %2</translation>
    </message>
    <message>
        <source>%1: the program could not be moved to the trash: %2</source>
        <translation>%1: nie udało się przenieść programu do kosza: %2</translation>
    </message>
</context>
<context>
    <name>StagePlanner</name>
    <message>
        <source>This program&apos;s shares of the session leave no time for its fixed stages.</source>
        <translation>Części sesji tego programu nie zostawiają czasu na jego stałe etapy.</translation>
    </message>
    <message>
        <source>This program needs at least %1.</source>
        <translation>Ten program wymaga co najmniej %1.</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 godz.</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 godz. %2 min</translation>
    </message>
</context>
</TS>
