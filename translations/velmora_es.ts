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
        <translation>Del cansancio a soñar</translation>
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
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Flashes the whole screen 3 to 27 times a second. Flashing light at these rates can trigger seizures in people with photosensitive epilepsy: leave Visualizer unchecked if you may be at risk.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Hace destellar toda la pantalla de 3 a 27 veces por segundo. Una luz que destella a este ritmo puede provocar crisis en personas con epilepsia fotosensible: si puede estar en riesgo, deje «Visualizador» sin marcar.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
        <translation>Como el programa anterior, este también lo lleva desde la vigilia normal hasta las frecuencias delta, asociadas al sueño profundo y a la pérdida de conciencia del cuerpo. Usa luz roja de onda larga, que influye menos que la azul en el ritmo circadiano, para que se deje llevar hacia un sueño reparador.</translation>
    </message>
    <message>
        <source>Deep Thought Meditation</source>
        <translation>Meditación contemplativa</translation>
    </message>
    <message>
        <source>Unlike the Complete Meditation program, this one will only lower you down to the theta wave state. This frequency is associated with deep meditation and will allow you more brain activity during your session. It uses the same blue light to help keep your circadian rhythm in the waking state.</source>
        <translation>A diferencia de «Meditación completa», este programa solo lo lleva hasta el estado theta. Esta frecuencia se asocia a la meditación profunda y deja más actividad a su cerebro durante la sesión. Usa la misma luz azul para mantener su ritmo circadiano en estado de vigilia.</translation>
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
        <translation>Este programa está pensado para sesiones cortas que reaniman la mente y la sacan de las frecuencias bajas propias del sueño. Todos los colores de esta sesión contienen luz azul, que actúa sobre el ritmo circadiano para despertarlo.</translation>
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
        <translation>Del cansancio a soñar</translation>
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
    <name>TonePlayer</name>
    <message>
        <source>Binaural tone</source>
        <translation>Tono binaural</translation>
    </message>
</context>
</TS>
