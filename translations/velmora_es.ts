<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AmbientPlayer</name>
    <message>
        <source>Ambient sound</source>
        <translation>Sonido ambiental</translation>
    </message>
</context>
<context>
    <name>AmbientSound</name>
    <message>
        <source>Pink Noise</source>
        <translation>Ruido rosa</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Lluvia</translation>
    </message>
    <message>
        <source>Lullaby</source>
        <translation>Canción de cuna</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Brown Noise</source>
        <translation>Ruido marrón</translation>
    </message>
    <message>
        <source>White Noise</source>
        <translation>Ruido blanco</translation>
    </message>
</context>
<context>
    <name>LightWarningDialog</name>
    <message>
        <source>Flashing Light</source>
        <translation>Luz parpadeante</translation>
    </message>
    <message>
        <source>The visualizer fills the screen with colour that flashes 3 to 27 times a second.</source>
        <translation>El visualizador llena la pantalla de un color que parpadea de 3 a 27 veces por segundo.</translation>
    </message>
    <message>
        <source>If you have photosensitive epilepsy or have ever had a seizure brought on by light, do not look at it: ask a doctor first.</source>
        <translation>Si tiene epilepsia fotosensible o ha sufrido alguna vez una crisis provocada por la luz, no la mire: consulte antes a un médico.</translation>
    </message>
    <message>
        <source>Play Without the Light</source>
        <translation>Reproducir sin la luz</translation>
    </message>
    <message>
        <source>&amp;Show the Light</source>
        <translation>&amp;Mostrar la luz</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Active Concentration</source>
        <translation>Concentración activa</translation>
    </message>
    <message>
        <source>Complete Meditation</source>
        <translation>Meditación completa</translation>
    </message>
    <message>
        <source>Deep Sleep</source>
        <translation>Sueño profundo</translation>
    </message>
    <message>
        <source>Deep Thought Meditation</source>
        <translation>Meditación contemplativa</translation>
    </message>
    <message>
        <source>Dream Sleep</source>
        <translation>Sueño onírico</translation>
    </message>
    <message>
        <source>Morning Wake</source>
        <translation>Despertar matutino</translation>
    </message>
    <message>
        <source>Quick Meditation</source>
        <translation>Meditación breve</translation>
    </message>
    <message>
        <source>Relaxed to Deep Thought</source>
        <translation>Del relax a la contemplación</translation>
    </message>
    <message>
        <source>Relaxed to Complete Meditation</source>
        <translation>Del relax a la meditación completa</translation>
    </message>
    <message>
        <source>Tired to Deep Sleep</source>
        <translation>Del cansancio al sueño profundo</translation>
    </message>
    <message>
        <source>Tired to Dreaming</source>
        <translation>Del cansancio a los sueños</translation>
    </message>
    <message>
        <source>Set session duration:</source>
        <translation>Duración de la sesión:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Headphones required for best results</source>
        <translation>Use auriculares para un mejor efecto</translation>
    </message>
    <message>
        <source>Ambient Audio</source>
        <translation>Sonido ambiental</translation>
    </message>
    <message>
        <source>Secondary Tone</source>
        <translation>Tono secundario</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Flashes the whole screen 3 to 27 times a second. Flashing light at these rates can trigger seizures in people with photosensitive epilepsy: uncheck Visualizer if you may be at risk.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Hace parpadear toda la pantalla de 3 a 27 veces por segundo. Una luz que parpadea a este ritmo puede provocar crisis en personas con epilepsia fotosensible: si puede estar en riesgo, desmarque «Visualizador».&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Visualizer</source>
        <translation>Visualizador</translation>
    </message>
    <message>
        <source>0 h</source>
        <translation>0 h</translation>
    </message>
    <message>
        <source>1 h</source>
        <translation>1 h</translation>
    </message>
    <message>
        <source>2 h</source>
        <translation>2 h</translation>
    </message>
    <message>
        <source>3 h</source>
        <translation>3 h</translation>
    </message>
    <message>
        <source>4 h</source>
        <translation>4 h</translation>
    </message>
    <message>
        <source>5 h</source>
        <translation>5 h</translation>
    </message>
    <message>
        <source>6 h</source>
        <translation>6 h</translation>
    </message>
    <message>
        <source>7 h</source>
        <translation>7 h</translation>
    </message>
    <message>
        <source>8 h</source>
        <translation>8 h</translation>
    </message>
    <message>
        <source>9 h</source>
        <translation>9 h</translation>
    </message>
    <message>
        <source>10 h</source>
        <translation>10 h</translation>
    </message>
    <message>
        <source>11 h</source>
        <translation>11 h</translation>
    </message>
    <message>
        <source>12 h</source>
        <translation>12 h</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;Elija un programa de la lista de la izquierda. Aquí aparecerá su descripción. &lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Lucida Grande&apos;;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;Después elija un sonido ambiental y la duración, y pulse «Iniciar» para comenzar la sesión. &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Select a session first!</source>
        <translation>¡Elija primero un programa!</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Your changes will take effect during the next tone scheduled tone change.</source>
        <translation>Su cambio se aplicará en el próximo cambio de tono programado.</translation>
    </message>
    <message>
        <source>No sound output: check your speakers or headphones</source>
        <translation>Sin salida de sonido: compruebe los altavoces o los auriculares</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Your Own Sound...</source>
        <translation>Su propio sonido...</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; is gone: Pink Noise plays instead.</source>
        <translation>Su propio sonido «%1» ya no está: suena ruido rosa en su lugar.</translation>
    </message>
    <message>
        <source>Sound files (%1)</source>
        <translation>Archivos de sonido (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Choose Your Own Sound</source>
        <translation>Elegir su propio sonido</translation>
    </message>
    <message>
        <source>&amp;Programs</source>
        <translation>&amp;Programas</translation>
    </message>
    <message>
        <source>&amp;New Program...</source>
        <translation>&amp;Nuevo programa…</translation>
    </message>
    <message>
        <source>&amp;Open Program File...</source>
        <translation>&amp;Abrir archivo de programa…</translation>
    </message>
    <message>
        <source>&amp;Edit Program...</source>
        <translation>&amp;Editar programa…</translation>
    </message>
    <message>
        <source>D&amp;uplicate Program...</source>
        <translation>D&amp;uplicar programa…</translation>
    </message>
    <message>
        <source>&amp;Delete Program</source>
        <translation>E&amp;liminar programa</translation>
    </message>
    <message>
        <source>%1: this program&apos;s file has an error</source>
        <translation>%1: el archivo de este programa tiene un error</translation>
    </message>
    <message>
        <source>New Program</source>
        <translation>Nuevo programa</translation>
    </message>
    <message>
        <source>Open Program File</source>
        <translation>Abrir archivo de programa</translation>
    </message>
    <message>
        <source>Velmora programs (*.velmora)</source>
        <translation>Programas de Velmora (*.velmora)</translation>
    </message>
    <message>
        <source>Edit Program</source>
        <translation>Editar programa</translation>
    </message>
    <message>
        <source>Duplicate Program</source>
        <translation>Duplicar programa</translation>
    </message>
    <message>
        <source>Choose a program to duplicate first.</source>
        <translation>Elija primero un programa para duplicar.</translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Eliminar programa</translation>
    </message>
    <message>
        <source>Move &quot;%1&quot; to the trash?</source>
        <translation>¿Mover «%1» a la papelera?</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programas</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Export Session...</source>
        <translation>&amp;Exportar sesión…</translation>
    </message>
    <message>
        <source>Export Session</source>
        <translation>Exportar sesión</translation>
    </message>
    <message>
        <source>Sound files (*.flac *.mp3 *.ogg *.opus *.wav)</source>
        <translation>Archivos de sonido (*.flac *.mp3 *.ogg *.opus *.wav)</translation>
    </message>
    <message>
        <source>End the file name with .flac, .mp3, .ogg, .opus or .wav.</source>
        <translation>Termine el nombre del archivo en .flac, .mp3, .ogg, .opus o .wav.</translation>
    </message>
    <message>
        <source>Exporting the session...</source>
        <translation>Exportando la sesión…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1% done, about %2 left</source>
        <translation>%1 % hecho, quedan unos %2</translation>
    </message>
    <message>
        <source>Session exported to %1</source>
        <translation>Sesión exportada a %1</translation>
    </message>
    <message>
        <source>Export cancelled: no file written</source>
        <translation>Exportación cancelada: no se escribió ningún archivo</translation>
    </message>
    <message>
        <source>The session could not be exported: %1</source>
        <translation>No se pudo exportar la sesión: %1</translation>
    </message>
</context>
<context>
    <name>OwnSound</name>
    <message>
        <source>Your own sound &quot;%1&quot; is missing.</source>
        <translation>Falta su propio sonido «%1».</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; cannot be read.</source>
        <translation>Su propio sonido «%1» no se puede leer.</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; is not a sound file Velmora can play.</source>
        <translation>Su propio sonido «%1» no es un archivo de sonido que Velmora pueda reproducir.</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; holds no sound.</source>
        <translation>Su propio sonido «%1» no contiene sonido.</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; is damaged part way through.</source>
        <translation>Su propio sonido «%1» está dañado a mitad del archivo.</translation>
    </message>
</context>
<context>
    <name>ProgramCatalogue</name>
    <message>
        <source>Active Concentration</source>
        <translation>Concentración activa</translation>
    </message>
    <message>
        <source>This program will raise your brain wave frequency, allowing you maximum alertness to tackle whatever deserves your complete attention.</source>
        <translation>Este programa eleva la frecuencia de sus ondas cerebrales y le da el máximo estado de alerta para afrontar lo que merezca toda su atención.</translation>
    </message>
    <message>
        <source>Complete Meditation</source>
        <translation>Meditación completa</translation>
    </message>
    <message>
        <source>This program will take you from the average waking frequency to the low delta frequencies to take you away from it all. At the bottom of the frequency range you will be presented with blue light, proven to react with your circadian rhythm to help keep you awake. This will allow you full control of your mind as you journey through this relaxing state.</source>
        <translation>Este programa lo lleva de la frecuencia habitual de vigilia a las bajas frecuencias delta, lejos de todo. En el punto más bajo verá una luz azul, de efecto probado sobre el ritmo circadiano, que le ayuda a mantenerse despierto. Así conserva el pleno control de su mente durante este estado de relajación.</translation>
    </message>
    <message>
        <source>Deep Sleep</source>
        <translation>Sueño profundo</translation>
    </message>
    <message>
        <source>Like the previous program, this one also takes you down from normal waking levels to the delta levels associated with deep sleep and loss of body awareness. It uses long-wavelength red light, which has less effect on the circadian system that blue light, allowing you to drift into a restful slumber.</source>
        <translation>Como el programa anterior, este también lo lleva desde la vigilia normal hasta las frecuencias delta, asociadas al sueño profundo y a la pérdida de la conciencia corporal. Usa luz roja de onda larga, que influye menos que la azul en el ritmo circadiano, para que se deje llevar hacia un sueño reparador.</translation>
    </message>
    <message>
        <source>Deep Thought Meditation</source>
        <translation>Meditación contemplativa</translation>
    </message>
    <message>
        <source>Unlike the Complete Meditation program, this one will only lower you down to the theta wave state. This frequency is associated with deep meditation and will allow you more brain activity during your session. It uses the same blue light to help keep your circadian rhythm in the waking state.</source>
        <translation>A diferencia de «Meditación completa», este programa solo lo lleva hasta el estado theta. Esta frecuencia se asocia a la meditación profunda y permite una mayor actividad cerebral durante la sesión. Usa la misma luz azul para mantener su ritmo circadiano en estado de vigilia.</translation>
    </message>
    <message>
        <source>Dream Sleep</source>
        <translation>Sueño onírico</translation>
    </message>
    <message>
        <source>This program also takes you down to the theta wave state, but uses red light for minimal effect on the circadian rhythm. During sleep, the theta wave frequencies are associated with REM sleep and a period of dreaming.</source>
        <translation>Este programa también lo lleva al estado theta, pero con luz roja, que apenas influye en el ritmo circadiano. Durante el sueño, las frecuencias theta se asocian a la fase REM, el periodo en que se sueña.</translation>
    </message>
    <message>
        <source>Morning Wake</source>
        <translation>Despertar matutino</translation>
    </message>
    <message>
        <source>This selection is designed for short session that will invigorate your mind and bring it up from the lower frequencies associated with sleep. All of the colors used during this session contain blue light, which reacts with circadian system to bring you to a waking state.</source>
        <translation>Este programa está pensado para sesiones cortas que reaniman la mente y la sacan de las frecuencias bajas propias del sueño. Todos los colores de esta sesión contienen luz azul, que actúa sobre el ritmo circadiano para ayudarle a despertar.</translation>
    </message>
    <message>
        <source>Quick Meditation</source>
        <translation>Meditación breve</translation>
    </message>
    <message>
        <source> This program is designed for shorter duration meditation sessions. It will only take you down to the alpha wave state, this will allow a quick relaxation without making it difficult to bring yourself back to an awake and fully alert state.</source>
        <translation>Este programa está pensado para sesiones de meditación más cortas. Solo lo lleva hasta el estado alfa: se relaja rápidamente y después vuelve sin esfuerzo a un estado despierto y plenamente alerta.</translation>
    </message>
    <message>
        <source>Relaxed to Deep Thought</source>
        <translation>Del relax a la contemplación</translation>
    </message>
    <message>
        <source>This program is exactly like the Deep Thought Meditation program, except it begins your journey at the high alpha wave state. This is beneficial if you are already in a relaxed state and find the Deep Thought Meditation program starts off at too high a frequency.</source>
        <translation>Este programa es igual que «Meditación contemplativa», pero empieza el recorrido en el estado alfa alto. Es útil si ya está relajado y le parece que «Meditación contemplativa» comienza con una frecuencia demasiado alta.</translation>
    </message>
    <message>
        <source>Relaxed to Complete Meditation</source>
        <translation>Del relax a la meditación completa</translation>
    </message>
    <message>
        <source>This program is equivalent to the Complete Meditation program in the same way that the Relaxed to Deep Thought program is similar to Deep Thought Meditation. Use it if you are beginning in a relaxed state and want to go down to a deep meditation.</source>
        <translation>Este programa es a «Meditación completa» lo que «Del relax a la contemplación» es a «Meditación contemplativa». Úselo si empieza ya relajado y quiere descender a una meditación profunda.</translation>
    </message>
    <message>
        <source>Tired to Deep Sleep</source>
        <translation>Del cansancio al sueño profundo</translation>
    </message>
    <message>
        <source>This program is designed for people who are already tired or relaxed and want to go down to the sleep state that the Deep Sleep program induces.</source>
        <translation>Este programa está pensado para quienes ya están cansados o relajados y quieren descender al estado de sueño que induce «Sueño profundo».</translation>
    </message>
    <message>
        <source>Tired to Dreaming</source>
        <translation>Del cansancio a los sueños</translation>
    </message>
    <message>
        <source>This program is designed for people who are already tired or relaxed and want to go down to the sleep state that the Dream Sleep program induces.</source>
        <translation>Este programa está pensado para quienes ya están cansados o relajados y quieren descender al estado de sueño que induce «Sueño onírico».</translation>
    </message>
</context>
<context>
    <name>Timeline</name>
    <message>
        <source>Ending...</source>
        <translation>Finalizando…</translation>
    </message>
    <message>
        <source>Time Left: %1 Press esc to exit visualizer</source>
        <translation>Tiempo restante: %1 – Esc para salir</translation>
    </message>
</context>
<context>
    <name>ToneKind</name>
    <message>
        <source>Binaural Beat (Headphones)</source>
        <translation>Pulso binaural (auriculares)</translation>
    </message>
    <message>
        <source>Isochronic Pulses (Speakers)</source>
        <translation>Pulsos isocrónicos (altavoces)</translation>
    </message>
    <message>
        <source>Monaural Beat (Speakers)</source>
        <translation>Pulso monoaural (altavoces)</translation>
    </message>
</context>
<context>
    <name>TonePlayer</name>
    <message>
        <source>Binaural tone</source>
        <translation>Tono binaural</translation>
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
        <translation>«%1» no es un nombre de grupo</translation>
    </message>
    <message>
        <source>the line is neither a [group], a key=value pair nor a #comment</source>
        <translation>la línea no es un [grupo], ni un par clave=valor, ni un #comentario</translation>
    </message>
    <message>
        <source>a key comes before the first group</source>
        <translation>una clave aparece antes del primer grupo</translation>
    </message>
</context>
<context>
    <name>ProgramChoice</name>
    <message>
        <source>This program&apos;s file has an error.</source>
        <translation>El archivo de este programa tiene un error.</translation>
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
        <translation>Programa</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Descripción:</translation>
    </message>
    <message>
        <source>&amp;Stages, in the order they play:</source>
        <translation>&amp;Etapas, en el orden en que suenan:</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Beat from (Hz)</source>
        <translation>Pulso desde (Hz)</translation>
    </message>
    <message>
        <source>Beat to (Hz)</source>
        <translation>Pulso hasta (Hz)</translation>
    </message>
    <message>
        <source>Colour from</source>
        <translation>Color desde</translation>
    </message>
    <message>
        <source>Colour to</source>
        <translation>Color hasta</translation>
    </message>
    <message>
        <source>&amp;Add Stage</source>
        <translation>&amp;Añadir etapa</translation>
    </message>
    <message>
        <source>&amp;Remove Stage</source>
        <translation>&amp;Quitar etapa</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Ba&amp;jar</translation>
    </message>
    <message>
        <source>The beat over a session of %1:</source>
        <translation>El pulso a lo largo de una sesión de %1:</translation>
    </message>
    <message>
        <source>Stage %1, %2: %3</source>
        <translation>Etapa %1, %2: %3</translation>
    </message>
    <message>
        <source>A program needs a name.</source>
        <translation>Un programa necesita un nombre.</translation>
    </message>
    <message>
        <source>Name: a program needs a name.</source>
        <translation>Nombre: un programa necesita un nombre.</translation>
    </message>
    <message>
        <source>A program needs at least one stage.</source>
        <translation>Un programa necesita al menos una etapa.</translation>
    </message>
    <message>
        <source>Write a time such as 90s, 5m or 1h30m, a share of the session such as 20%, or rest.</source>
        <translation>Escriba un tiempo como 90s, 5m o 1h30m, una parte de la sesión como 20%, o rest.</translation>
    </message>
    <message>
        <source>Stage %1 takes the rest already; only one stage may.</source>
        <translation>La etapa %1 ya toma el resto; solo una etapa puede.</translation>
    </message>
    <message>
        <source>The shares of the session come to more than 100%.</source>
        <translation>Las partes de la sesión suman más del 100%.</translation>
    </message>
    <message>
        <source>Write a beat from 0.5 to 40 Hz.</source>
        <translation>Escriba un pulso de 0.5 a 40 Hz.</translation>
    </message>
    <message>
        <source>Write one of %1, or #rrggbb.</source>
        <translation>Escriba uno de %1, o #rrggbb.</translation>
    </message>
    <message>
        <source>The plot returns when every stage can be read.</source>
        <translation>El gráfico vuelve cuando cada etapa se puede leer.</translation>
    </message>
</context>
<context>
    <name>ProgramFile</name>
    <message>
        <source>%1: there is no such file</source>
        <translation>%1: no existe ese archivo</translation>
    </message>
    <message>
        <source>%1: the file cannot be read: %2</source>
        <translation>%1: no se puede leer el archivo: %2</translation>
    </message>
    <message>
        <source>%1: the file is larger than 1 MiB; a program file is a few lines of text</source>
        <translation>%1: el archivo ocupa más de 1 MiB; un archivo de programa son unas pocas líneas de texto</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1: línea %2: %3</translation>
    </message>
    <message>
        <source>%1: Stage %2, %3 (line %4): %5</source>
        <translation>%1: Stage %2, %3 (línea %4): %5</translation>
    </message>
    <message>
        <source>this is not a text file (it holds a zero byte)</source>
        <translation>no es un archivo de texto (contiene un byte nulo)</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>el texto no está en UTF-8</translation>
    </message>
    <message>
        <source>%1: there is no [Velmora Program] group</source>
        <translation>%1: no hay ningún grupo [Velmora Program]</translation>
    </message>
    <message>
        <source>[Velmora Program] has no Name</source>
        <translation>[Velmora Program] no tiene Name</translation>
    </message>
    <message>
        <source>[%1]: stages are numbered from 1 to %2, as [Stage 1]</source>
        <translation>[%1]: las etapas se numeran de 1 a %2, como [Stage 1]</translation>
    </message>
    <message>
        <source>the program has no stages; add a [Stage 1] group</source>
        <translation>el programa no tiene etapas; añada un grupo [Stage 1]</translation>
    </message>
    <message>
        <source>%1: Stage %2 (line %3): there is no %4</source>
        <translation>%1: Stage %2 (línea %3): falta %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a length; write a time such as 90s, 5m or 1h30m, a share of the session such as 20%, or rest</source>
        <translation>«%1» no es una duración; escriba un tiempo como 90s, 5m o 1h30m, una parte de la sesión como 20%, o rest</translation>
    </message>
    <message>
        <source>Stage %1 takes the rest already; only one stage may</source>
        <translation>la etapa %1 ya toma el resto; solo una etapa puede</translation>
    </message>
    <message>
        <source>the shares of the session come to more than 100%</source>
        <translation>las partes de la sesión suman más del 100%</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a beat from 0.5 to 40 Hz; write one such as 8, or a ramp such as 18 to 8</source>
        <translation>«%1» no es un pulso de 0.5 a 40 Hz; escriba uno como 8, o una rampa como 18 to 8</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a kind of tone; write one of %2</source>
        <translation>«%1» no es un tipo de tono; escriba uno de %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; write one of %2 or #rrggbb, or a ramp such as yellow to blue</source>
        <translation>«%1» no es un color; escriba uno de %2 o #rrggbb, o una rampa como yellow to blue</translation>
    </message>
</context>
<context>
    <name>ProgramLibrary</name>
    <message>
        <source>%1: the program could not be saved: %2</source>
        <translation>%1: no se pudo guardar el programa: %2</translation>
    </message>
    <message>
        <source>%1: the file cannot be read: %2</source>
        <translation>%1: no se puede leer el archivo: %2</translation>
    </message>
    <message>
        <source>%1: the program could not be moved to the trash: %2</source>
        <translation>%1: no se pudo mover el programa a la papelera: %2</translation>
    </message>
</context>
<context>
    <name>StagePlanner</name>
    <message>
        <source>This program&apos;s shares of the session leave no time for its fixed stages.</source>
        <translation>Las partes de la sesión de este programa no dejan tiempo a sus etapas fijas.</translation>
    </message>
    <message>
        <source>This program needs at least %1.</source>
        <translation>Este programa necesita al menos %1.</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
</context>
</TS>
