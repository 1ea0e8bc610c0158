<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>orvandel::CoreTexts</name>
    <message>
        <source>Fajr</source>
        <translation>الفجر</translation>
    </message>
    <message>
        <source>Shrook</source>
        <translation>الشروق</translation>
    </message>
    <message>
        <source>Dhuhr</source>
        <translation>الظهر</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>العصر</translation>
    </message>
    <message>
        <source>Maghrib</source>
        <translation>المغرب</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>العشاء</translation>
    </message>
    <message>
        <source>Muharram</source>
        <translation>محرم</translation>
    </message>
    <message>
        <source>Safar</source>
        <translation>صفر</translation>
    </message>
    <message>
        <source>Rabi I</source>
        <translation>ربيع الأول</translation>
    </message>
    <message>
        <source>Rabi II</source>
        <translation>ربيع الآخر</translation>
    </message>
    <message>
        <source>Jumada I</source>
        <translation>جمادى الأولى</translation>
    </message>
    <message>
        <source>Jumada II</source>
        <translation>جمادى الآخرة</translation>
    </message>
    <message>
        <source>Rajab</source>
        <translation>رجب</translation>
    </message>
    <message>
        <source>Sha`ban</source>
        <translation>شعبان</translation>
    </message>
    <message>
        <source>Ramadan</source>
        <translation>رمضان</translation>
    </message>
    <message>
        <source>Shawwal</source>
        <translation>شوال</translation>
    </message>
    <message>
        <source>Dhu al-Qa`da</source>
        <translation>ذو القعدة</translation>
    </message>
    <message>
        <source>Dhu al-Hijja</source>
        <translation>ذو الحجة</translation>
    </message>
    <message>
        <source>Muslim World League</source>
        <translation>رابطة العالم الإسلامي</translation>
    </message>
    <message>
        <source>Egyptian General Authority of Survey</source>
        <translation>الهيئة المصرية العامة للمساحة</translation>
    </message>
    <message>
        <source>Karachi Islamic Sciences University</source>
        <translation>جامعة العلوم الإسلامية بكراتشي</translation>
    </message>
    <message>
        <source>Umm Al-Qura</source>
        <translation>أم القرى</translation>
    </message>
    <message>
        <source>ISNA</source>
        <translation>إسنا</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>الجمهور</translation>
    </message>
    <message>
        <source>Hanafi</source>
        <translation>الحنفي</translation>
    </message>
    <message>
        <source>the 48-degree rule</source>
        <translation>قاعدة خط العرض 48</translation>
    </message>
    <message>
        <source>high latitudes by the middle of the night</source>
        <translation>العرض العالي بمنتصف الليل</translation>
    </message>
    <message>
        <source>high latitudes by a seventh of the night</source>
        <translation>العرض العالي بسُبع الليل</translation>
    </message>
    <message>
        <source>high latitudes by the twilight angle</source>
        <translation>العرض العالي بزاوية الشفق</translation>
    </message>
    <message>
        <source>CSV (spreadsheets)</source>
        <translation>CSV (جداول البيانات)</translation>
    </message>
    <message>
        <source>JSON</source>
        <translation>JSON</translation>
    </message>
    <message>
        <source>iCalendar (calendar programs)</source>
        <translation>iCalendar (برامج التقويم)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>ملفات CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>ملفات JSON (*.json)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>ملفات iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Saudi Arabia</source>
        <translation>السعودية</translation>
    </message>
    <message>
        <source>Middle East</source>
        <translation>الشرق الأوسط</translation>
    </message>
    <message>
        <source>Africa</source>
        <translation>أفريقيا</translation>
    </message>
    <message>
        <source>Americas</source>
        <translation>الأمريكتان</translation>
    </message>
    <message>
        <source>Asia</source>
        <translation>آسيا</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>أوروبا</translation>
    </message>
    <message>
        <source>Oceania</source>
        <translation>أوقيانوسيا</translation>
    </message>
    <message>
        <source>Abha</source>
        <translation>أبها</translation>
    </message>
    <message>
        <source>Buraidah</source>
        <translation>بريدة</translation>
    </message>
    <message>
        <source>Dammam</source>
        <translation>الدمام</translation>
    </message>
    <message>
        <source>Jeddah</source>
        <translation>جدة</translation>
    </message>
    <message>
        <source>Madina</source>
        <translation>المدينة المنورة</translation>
    </message>
    <message>
        <source>Mecca</source>
        <translation>مكة المكرمة</translation>
    </message>
    <message>
        <source>Riyadh</source>
        <translation>الرياض</translation>
    </message>
    <message>
        <source>Tabouk</source>
        <translation>تبوك</translation>
    </message>
    <message>
        <source>Taif</source>
        <translation>الطائف</translation>
    </message>
    <message>
        <source>Abu Dhabi</source>
        <translation>أبوظبي</translation>
    </message>
    <message>
        <source>Amman</source>
        <translation>عمّان</translation>
    </message>
    <message>
        <source>Baghdad</source>
        <translation>بغداد</translation>
    </message>
    <message>
        <source>Beirut</source>
        <translation>بيروت</translation>
    </message>
    <message>
        <source>Damascus</source>
        <translation>دمشق</translation>
    </message>
    <message>
        <source>Doha</source>
        <translation>الدوحة</translation>
    </message>
    <message>
        <source>Dubai</source>
        <translation>دبي</translation>
    </message>
    <message>
        <source>Istanbul</source>
        <translation>إسطنبول</translation>
    </message>
    <message>
        <source>Jerusalem</source>
        <translation>القدس</translation>
    </message>
    <message>
        <source>Kuwait City</source>
        <translation>مدينة الكويت</translation>
    </message>
    <message>
        <source>Muscat</source>
        <translation>مسقط</translation>
    </message>
    <message>
        <source>Sanaa</source>
        <translation>صنعاء</translation>
    </message>
    <message>
        <source>Tehran</source>
        <translation>طهران</translation>
    </message>
    <message>
        <source>Algiers</source>
        <translation>الجزائر</translation>
    </message>
    <message>
        <source>Asmara</source>
        <translation>أسمرة</translation>
    </message>
    <message>
        <source>Bamako</source>
        <translation>باماكو</translation>
    </message>
    <message>
        <source>Cairo</source>
        <translation>القاهرة</translation>
    </message>
    <message>
        <source>Dakar</source>
        <translation>داكار</translation>
    </message>
    <message>
        <source>Djibouti</source>
        <translation>جيبوتي</translation>
    </message>
    <message>
        <source>Khartoum</source>
        <translation>الخرطوم</translation>
    </message>
    <message>
        <source>Lagos</source>
        <translation>لاغوس</translation>
    </message>
    <message>
        <source>Marrakech</source>
        <translation>مراكش</translation>
    </message>
    <message>
        <source>Mogadishu</source>
        <translation>مقديشو</translation>
    </message>
    <message>
        <source>Nouakchott</source>
        <translation>نواكشوط</translation>
    </message>
    <message>
        <source>Tripoli</source>
        <translation>طرابلس</translation>
    </message>
    <message>
        <source>Tunis</source>
        <translation>تونس</translation>
    </message>
    <message>
        <source>Bogota</source>
        <translation>بوغوتا</translation>
    </message>
    <message>
        <source>Buenos Aires</source>
        <translation>بوينس آيرس</translation>
    </message>
    <message>
        <source>Chicago</source>
        <translation>شيكاغو</translation>
    </message>
    <message>
        <source>Dallas</source>
        <translation>دالاس</translation>
    </message>
    <message>
        <source>Lima</source>
        <translation>ليما</translation>
    </message>
    <message>
        <source>Los Angeles</source>
        <translation>لوس أنجلوس</translation>
    </message>
    <message>
        <source>Mexico City</source>
        <translation>مكسيكو سيتي</translation>
    </message>
    <message>
        <source>Miami</source>
        <translation>ميامي</translation>
    </message>
    <message>
        <source>Montreal</source>
        <translation>مونتريال</translation>
    </message>
    <message>
        <source>New York</source>
        <translation>نيويورك</translation>
    </message>
    <message>
        <source>Santiago</source>
        <translation>سانتياغو</translation>
    </message>
    <message>
        <source>Sao Paulo</source>
        <translation>ساو باولو</translation>
    </message>
    <message>
        <source>Toronto</source>
        <translation>تورونتو</translation>
    </message>
    <message>
        <source>Vancouver</source>
        <translation>فانكوفر</translation>
    </message>
    <message>
        <source>Ashgabat</source>
        <translation>عشق آباد</translation>
    </message>
    <message>
        <source>Bangkok</source>
        <translation>بانكوك</translation>
    </message>
    <message>
        <source>Beijing</source>
        <translation>بكين</translation>
    </message>
    <message>
        <source>Dhaka</source>
        <translation>دكا</translation>
    </message>
    <message>
        <source>Hong Kong</source>
        <translation>هونغ كونغ</translation>
    </message>
    <message>
        <source>Islamabad</source>
        <translation>إسلام آباد</translation>
    </message>
    <message>
        <source>Jakarta</source>
        <translation>جاكرتا</translation>
    </message>
    <message>
        <source>Kabul</source>
        <translation>كابل</translation>
    </message>
    <message>
        <source>Kuala Lumpur</source>
        <translation>كوالالمبور</translation>
    </message>
    <message>
        <source>New Delhi</source>
        <translation>نيودلهي</translation>
    </message>
    <message>
        <source>Rangoon</source>
        <translation>رانغون</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>سنغافورة</translation>
    </message>
    <message>
        <source>Tokyo</source>
        <translation>طوكيو</translation>
    </message>
    <message>
        <source>Bucarest</source>
        <translation>بوخارست</translation>
    </message>
    <message>
        <source>Copenhagen</source>
        <translation>كوبنهاغن</translation>
    </message>
    <message>
        <source>Frankfurt</source>
        <translation>فرانكفورت</translation>
    </message>
    <message>
        <source>Kiev</source>
        <translation>كييف</translation>
    </message>
    <message>
        <source>Lisbon</source>
        <translation>لشبونة</translation>
    </message>
    <message>
        <source>London</source>
        <translation>لندن</translation>
    </message>
    <message>
        <source>Madrid</source>
        <translation>مدريد</translation>
    </message>
    <message>
        <source>Moscow</source>
        <translation>موسكو</translation>
    </message>
    <message>
        <source>Paris</source>
        <translation>باريس</translation>
    </message>
    <message>
        <source>Rome</source>
        <translation>روما</translation>
    </message>
    <message>
        <source>Sarajevo</source>
        <translation>سراييفو</translation>
    </message>
    <message>
        <source>Vienna</source>
        <translation>فيينا</translation>
    </message>
    <message>
        <source>Warsaw</source>
        <translation>وارسو</translation>
    </message>
    <message>
        <source>Auckland</source>
        <translation>أوكلاند</translation>
    </message>
    <message>
        <source>Christchurch</source>
        <translation>كرايستشرش</translation>
    </message>
    <message>
        <source>Melbourne</source>
        <translation>ملبورن</translation>
    </message>
    <message>
        <source>Noumea</source>
        <translation>نوميا</translation>
    </message>
    <message>
        <source>Perth</source>
        <translation>بيرث</translation>
    </message>
    <message>
        <source>Sydney</source>
        <translation>سيدني</translation>
    </message>
    <message>
        <source>Gulf Region</source>
        <translation>منطقة الخليج</translation>
    </message>
    <message>
        <source>Kuwait Ministry of Awqaf</source>
        <translation>وزارة الأوقاف الكويتية</translation>
    </message>
    <message>
        <source>Qatar Ministry of Awqaf</source>
        <translation>وزارة الأوقاف القطرية</translation>
    </message>
    <message>
        <source>UAE Islamic Affairs and Awqaf (Dubai)</source>
        <translation>الشؤون الإسلامية والأوقاف بالإمارات (دبي)</translation>
    </message>
    <message>
        <source>MUIS Singapore</source>
        <translation>MUIS سنغافورة</translation>
    </message>
    <message>
        <source>JAKIM Malaysia</source>
        <translation>JAKIM ماليزيا</translation>
    </message>
    <message>
        <source>Kemenag Indonesia</source>
        <translation>Kemenag إندونيسيا</translation>
    </message>
    <message>
        <source>Diyanet Turkey</source>
        <translation>ديانت تركيا</translation>
    </message>
    <message>
        <source>UOIF France</source>
        <translation>UOIF فرنسا</translation>
    </message>
    <message>
        <source>Spiritual Administration of Muslims of Russia</source>
        <translation>الإدارة الدينية لمسلمي روسيا</translation>
    </message>
    <message>
        <source>Institute of Geophysics, Tehran</source>
        <translation>معهد الجيوفيزياء، طهران</translation>
    </message>
    <message>
        <source>Shia Ithna Ashari (Jafari)</source>
        <translation>الشيعة الاثنا عشرية (الجعفرية)</translation>
    </message>
    <message>
        <source>Morocco Ministry of Habous</source>
        <translation>وزارة الأوقاف المغربية</translation>
    </message>
    <message>
        <source>Algeria Ministry of Religious Affairs</source>
        <translation>وزارة الشؤون الدينية الجزائرية</translation>
    </message>
    <message>
        <source>Tunisia Ministry of Religious Affairs</source>
        <translation>وزارة الشؤون الدينية التونسية</translation>
    </message>
    <message>
        <source>Jordan Ministry of Awqaf</source>
        <translation>وزارة الأوقاف الأردنية</translation>
    </message>
    <message>
        <source>Moonsighting Committee Worldwide</source>
        <translation>لجنة رؤية الهلال العالمية</translation>
    </message>
</context>
<context>
    <name>orvandel::EphemerisNotice</name>
    <message>
        <source>An ephemeris source failed its check (details in the tool tip, in English)</source>
        <translation>فشل أحد مصادر التقويم الفلكي في الفحص (التفاصيل بالإنجليزية في التلميح)</translation>
    </message>
</context>
<context>
    <name>orvandel::TAdjustmentsDialog</name>
    <message>
        <source>Adjustments</source>
        <translation>التعديلات</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>دقائق %1</translation>
    </message>
    <message>
        <source> min</source>
        <translation> د</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>التاريخ الهجري</translation>
    </message>
    <message>
        <source>Hijri date days</source>
        <translation>أيام التاريخ الهجري</translation>
    </message>
    <message>
        <source> days</source>
        <translation> يوم</translation>
    </message>
    <message>
        <source>High latitudes</source>
        <translation>خطوط العرض العليا</translation>
    </message>
</context>
<context>
    <name>orvandel::TCrashReportDialog</name>
    <message>
        <source>Orvandel - error report</source>
        <translation>Orvandel - تقرير خطأ</translation>
    </message>
    <message>
        <source>Orvandel met an error it did not expect. The window keeps working, though the table may still show the week and place from before the change. The report below says what went wrong and where: copy, save, print or send it to pass it on.</source>
        <translation>واجه Orvandel خطأً غير متوقع. تبقى النافذة تعمل، لكن الجدول قد يعرض الأسبوع والمكان السابقين للتغيير. يبيّن التقرير أدناه ما الذي حدث وأين: انسخه أو احفظه أو اطبعه أو أرسله لإيصاله.</translation>
    </message>
    <message>
        <source>Copy report</source>
        <translation>نسخ التقرير</translation>
    </message>
    <message>
        <source>Save as text file...</source>
        <translation>حفظ كملف نصي...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>طباعة...</translation>
    </message>
    <message>
        <source>Send...</source>
        <translation>إرسال...</translation>
    </message>
    <message>
        <source>Save error report</source>
        <translation>حفظ تقرير الخطأ</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>ملفات نصية (*.txt);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>تعذّرت كتابة التقرير إلى %1.</translation>
    </message>
    <message>
        <source>Print error report</source>
        <translation>طباعة تقرير الخطأ</translation>
    </message>
    <message>
        <source>No mail program answered. The full report is on the clipboard; you can also keep it with &quot;Save as text file...&quot; and attach the file to a message.</source>
        <translation>لم يستجب أي برنامج بريد. التقرير الكامل في الحافظة؛ ويمكنك أيضًا حفظه بـ«حفظ كملف نصي...» وإرفاق الملف برسالة.</translation>
    </message>
</context>
<context>
    <name>orvandel::TFileReplacement</name>
    <message>
        <source>the disk is full</source>
        <translation>القرص ممتلئ</translation>
    </message>
    <message>
        <source>the file was not written completely</source>
        <translation>لم يُكتب الملف كاملًا</translation>
    </message>
</context>
<context>
    <name>orvandel::TForm1</name>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Use Up/Down arrows to move by a day.
Use PageUp and PageDown to move by a month.
Use SHIFT+PageUp or SHIFT+PageDown to move by a year.</source>
        <translation>استخدم السهمين أعلى/أسفل للانتقال يومًا.
استخدم PageUp وPageDown للانتقال شهرًا.
استخدم SHIFT+PageUp أو SHIFT+PageDown للانتقال سنة.</translation>
    </message>
    <message>
        <source>Sunset based</source>
        <translation>غروبي</translation>
    </message>
    <message>
        <source>Old-fashioned method of counting time whereby noon (12:00)
is defined as occurring at the time of sunset. This method of
time keeping is only used in Saudi Arabia which follows the
Umm Al-Qura method of prayer calculation which means that
when using this option, Maghrib always occurs at 12:00 and
Isha always occurs at 1:30 (or 2:00 during Ramadan).</source>
        <translation>طريقة قديمة في عدّ الوقت تُعدّ فيها الساعة 12:00
عند غروب الشمس. لا تُستعمل هذه الطريقة إلا في
المملكة العربية السعودية التي تتبع طريقة أم القرى
في حساب أوقات الصلاة، ولذلك يكون المغرب مع هذا الخيار
دائمًا عند 12:00 والعشاء دائمًا عند 1:30
(أو 2:00 في رمضان).</translation>
    </message>
    <message>
        <source>12-hour times</source>
        <translation>12 ساعة</translation>
    </message>
    <message>
        <source>Add safety time</source>
        <translation>احتياط</translation>
    </message>
    <message>
        <source>Nearest minute</source>
        <translation>أقرب دقيقة</translation>
    </message>
    <message>
        <source>Right-to-left</source>
        <translation>من اليمين</translation>
    </message>
    <message>
        <source>* Muslim dates are set by local authorities and can therefore vary by a day from the above astronomical calculations</source>
        <translation>* تحدد الجهات المحلية التواريخ الهجرية، فقد تختلف بيوم عن الحسابات الفلكية أعلاه</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>الإحداثيات</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>خط العرض</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>خط الطول</translation>
    </message>
    <message>
        <source>GMT</source>
        <translation>غرينتش</translation>
    </message>
    <message>
        <source>hrs.</source>
        <translation>س</translation>
    </message>
    <message>
        <source>min.</source>
        <translation>د</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>الارتفاع</translation>
    </message>
    <message>
        <source>GMT hours</source>
        <translation>ساعات فرق غرينتش</translation>
    </message>
    <message>
        <source>GMT minutes</source>
        <translation>دقائق فرق غرينتش</translation>
    </message>
    <message>
        <source>Prayer Calculation Method</source>
        <translation>طريقة حساب أوقات الصلاة</translation>
    </message>
    <message>
        <source>Juristic Method</source>
        <translation>المذهب الفقهي</translation>
    </message>
    <message>
        <source> Cities </source>
        <translation> المدن </translation>
    </message>
    <message>
        <source>Orvandel - weekly prayer times, by the Orvandel developers</source>
        <translation>مواقيت الصلاة الأسبوعية من مطوّري Orvandel</translation>
    </message>
    <message>
        <source>no Hijri date</source>
        <translation>لا تاريخ هجري</translation>
    </message>
    <message>
        <source>%1: times on this zone&apos;s clock, daylight saving included; unchecked, on the fixed GMT offset</source>
        <translation>%1: الأوقات بتوقيت هذه المنطقة مع التوقيت الصيفي؛ وبدون التحديد بفرق غرينتش الثابت</translation>
    </message>
    <message>
        <source>unreadable: fixed GMT</source>
        <translation>غير مقروءة: فرق ثابت</translation>
    </message>
    <message>
        <source>fixed %1</source>
        <extracomment>The clock line while the place&apos;s clock is unchecked: %1 the offset, &quot;GMT+3&quot;.</extracomment>
        <translation>%1 ثابت</translation>
    </message>
    <message>
        <source>Kept place not used: %1</source>
        <translation>لم يُستعمل المكان المحفوظ: %1</translation>
    </message>
    <message>
        <source>Place not kept: %1</source>
        <translation>لم يُحفظ المكان: %1</translation>
    </message>
    <message>
        <source>Kept place not removed: %1</source>
        <translation>لم يُحذف المكان المحفوظ: %1</translation>
    </message>
    <message>
        <source>Other:</source>
        <translation>أخرى:</translation>
    </message>
    <message>
        <source>Other calculation method</source>
        <translation>طريقة حساب أخرى</translation>
    </message>
    <message>
        <source>Other calculation method:</source>
        <translation>طريقة حساب أخرى:</translation>
    </message>
    <message>
        <source>Latitude %1 to %2 degrees at this elevation: beyond it the sun does not rise or set on some days of the year</source>
        <translation>خط العرض من %1 إلى %2 درجة عند هذا الارتفاع: خارج ذلك لا تشرق الشمس أو لا تغرب في بعض أيام السنة</translation>
    </message>
    <message>
        <source>Elevation up to %1 m at this latitude: higher up the sun does not rise or set on some days of the year</source>
        <translation>الارتفاع حتى %1 م عند خط العرض هذا: فوق ذلك لا تشرق الشمس أو لا تغرب في بعض أيام السنة</translation>
    </message>
</context>
<context>
    <name>orvandel::TPlaceFinder</name>
    <message>
        <source>Find a town</source>
        <translation>ابحث عن مدينة</translation>
    </message>
    <message>
        <source>Find a town by name</source>
        <translation>ابحث عن مدينة باسمها</translation>
    </message>
    <message>
        <source>Any town of 15,000 people or more: its place, its clock and its country&apos;s method. &quot;Name, country&quot; or &quot;Name, region&quot; narrows the search.</source>
        <translation>أي مدينة يبلغ سكانها 15 ألف نسمة أو أكثر: موقعها وتوقيتها وطريقة بلدها. «الاسم, البلد» أو «الاسم, المنطقة» يضيّق البحث.</translation>
    </message>
    <message>
        <source>Towns found</source>
        <translation>المدن التي وُجدت</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>%1 lies at latitude %L2, beyond the %L3 degrees the table can be computed for.</source>
        <translation>تقع %1 على خط العرض %L2، خارج حدود %L3 درجة التي يمكن حساب الجدول ضمنها.</translation>
    </message>
    <message>
        <source>No town of that name</source>
        <translation>لا مدينة بهذا الاسم</translation>
    </message>
</context>
<context>
    <name>orvandel::TSaveTimetableDialog</name>
    <message>
        <source>Save timetable</source>
        <translation>حفظ الجدول</translation>
    </message>
    <message>
        <source>The week shown</source>
        <translation>الأسبوع المعروض</translation>
    </message>
    <message>
        <source>The month, %1</source>
        <translation>الشهر، %1</translation>
    </message>
    <message>
        <source>Days from %1:</source>
        <translation>أيام من %1:</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>الصيغة</translation>
    </message>
</context>
<context>
    <name>orvandel::TTimetableMenu</name>
    <message>
        <source>no Hijri date</source>
        <translation>لا تاريخ هجري</translation>
    </message>
    <message>
        <source>Previous week</source>
        <translation>الأسبوع السابق</translation>
    </message>
    <message>
        <source>Next week</source>
        <translation>الأسبوع التالي</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>هذا الأسبوع</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>حفظ باسم…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>طباعة…</translation>
    </message>
    <message>
        <source>Print month…</source>
        <translation>طباعة الشهر…</translation>
    </message>
    <message>
        <source>Adjustments…</source>
        <translation>التعديلات…</translation>
    </message>
    <message>
        <source>zone %1</source>
        <translation>المنطقة %1</translation>
    </message>
    <message>
        <source>elevation %1 m</source>
        <translation>الارتفاع %1 م</translation>
    </message>
    <message>
        <source>Asr %1</source>
        <translation>العصر (%1)</translation>
    </message>
    <message>
        <source>safety time added</source>
        <translation>مع دقائق الاحتياط</translation>
    </message>
    <message>
        <source>no safety time</source>
        <translation>بدون دقائق احتياط</translation>
    </message>
    <message>
        <source>nearest minute</source>
        <translation>إلى أقرب دقيقة</translation>
    </message>
    <message>
        <source>minutes truncated</source>
        <translation>الدقائق مقتطعة</translation>
    </message>
    <message>
        <source>12-hour clock</source>
        <translation>نظام 12 ساعة</translation>
    </message>
    <message>
        <source>24-hour clock</source>
        <translation>نظام 24 ساعة</translation>
    </message>
    <message>
        <source>sunset based</source>
        <translation>التوقيت الغروبي</translation>
    </message>
    <message>
        <source>%1 %2 min</source>
        <translation>%1 %2 د</translation>
    </message>
    <message numerus="yes">
        <source>Hijri date %1 days</source>
        <translation>
            <numerusform>التاريخ الهجري %1 يوم</numerusform>
            <numerusform>التاريخ الهجري %1 يوم</numerusform>
            <numerusform>التاريخ الهجري %1 يومان</numerusform>
            <numerusform>التاريخ الهجري %1 أيام</numerusform>
            <numerusform>التاريخ الهجري %1 يومًا</numerusform>
            <numerusform>التاريخ الهجري %1 يوم</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of the options line.</extracomment>
        <translation>، </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>هجري</translation>
    </message>
    <message numerus="yes">
        <source>the %n days from %1 pass %2</source>
        <translation>
            <numerusform>الأيام الـ%n من %1 تتجاوز %2</numerusform>
            <numerusform>اليوم الواحد من %1 يتجاوز %2</numerusform>
            <numerusform>اليومان من %1 يتجاوزان %2</numerusform>
            <numerusform>الأيام الـ%n من %1 تتجاوز %2</numerusform>
            <numerusform>الأيام الـ%n من %1 تتجاوز %2</numerusform>
            <numerusform>الأيام الـ%n من %1 تتجاوز %2</numerusform>
        </translation>
    </message>
    <message>
        <source>the days asked for lie outside the years 1 to 9999</source>
        <translation>الأيام المطلوبة خارج السنوات من 1 إلى 9999</translation>
    </message>
    <message>
        <source>Save timetable</source>
        <translation>حفظ الجدول</translation>
    </message>
    <message>
        <source>The timetable could not be saved to %1: %2</source>
        <translation>تعذّر حفظ الجدول في %1: %2</translation>
    </message>
    <message>
        <source>Prayer times, %1 to %2</source>
        <translation>مواقيت الصلاة، من %1 إلى %2</translation>
    </message>
    <message>
        <source>Prayer times, %1</source>
        <translation>مواقيت الصلاة، %1</translation>
    </message>
    <message>
        <source>printing could not start</source>
        <translation>تعذّر بدء الطباعة</translation>
    </message>
    <message>
        <source>the printer reported an error</source>
        <translation>أبلغت الطابعة عن خطأ</translation>
    </message>
    <message>
        <source>The timetable could not be printed on %1: %2</source>
        <translation>تعذّرت طباعة الجدول على %1: %2</translation>
    </message>
    <message>
        <source>The timetable could not be printed to %1: %2</source>
        <translation>تعذّرت طباعة الجدول إلى %1: %2</translation>
    </message>
    <message>
        <source>Print week</source>
        <translation>طباعة الأسبوع</translation>
    </message>
    <message>
        <source>Print month</source>
        <translation>طباعة الشهر</translation>
    </message>
    <message>
        <source>Open on this place next time</source>
        <translation>فتح هذا المكان في المرة القادمة</translation>
    </message>
</context>
<context>
    <name>orvandel::TTimetablePanel</name>
    <message>
        <source>Prayer times</source>
        <translation>مواقيت الصلاة</translation>
    </message>
    <message>
        <source>The week&apos;s prayer times, a day a row. The arrow keys move from time to time; the Menu key opens the commands for the week.</source>
        <translation>مواقيت صلاة الأسبوع، لكل يوم صف. تنتقل مفاتيح الأسهم من وقت إلى وقت؛ ويفتح مفتاح القائمة أوامر الأسبوع.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a day&apos;s civil date, its Hijri date</comment>
        <translation>%1، %2</translation>
    </message>
</context>
<context>
    <name>orvandel::Translations</name>
    <message>
        <source>en</source>
        <extracomment>The code of this translation&apos;s language as in its file name: ar, fa, pt_BR.</extracomment>
        <translation>ar</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A Hijri date: %1 the day, %2 the month&apos;s name, %3 the year.</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>ddd d-MMM-yyyy</source>
        <extracomment>Qt&apos;s date format of the date field: ddd the day&apos;s short name, d the day, MMM the month&apos;s short name, yyyy the year.</extracomment>
        <translation>ddd d MMM yyyy</translation>
    </message>
    <message>
        <source>ddd dd-MMM-yyyy</source>
        <extracomment>Qt&apos;s date format of the timetable&apos;s date column, the day in two digits (dd).</extracomment>
        <translation>ddd d MMM yyyy</translation>
    </message>
</context>
</TS>
