<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_GB">
<context>
    <name>Accessories</name>
    <message>
        <source>Communication</source>
        <translation>Связь</translation>
    </message>
    <message>
        <source>Mounting</source>
        <translation>Монтаж</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Сервис</translation>
    </message>
    <message>
        <source>Warranty</source>
        <translation>Гарантия</translation>
    </message>
    <message>
        <source>On request</source>
        <translation>По запросу</translation>
    </message>
</context>
<context>
    <name>LoadInventory</name>
    <message>
        <source>Load inventory</source>
        <translation>Перечень нагрузок</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Категория</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Ватты</translation>
    </message>
    <message>
        <source>Total: %1 W, %2 VA</source>
        <translation>Итого: %1 W, %2 VA</translation>
    </message>
    <message>
        <source>Use this load</source>
        <translation>Использовать эту нагрузку</translation>
    </message>
    <message>
        <source>The device library cannot be read: %1</source>
        <translation>Не удаётся прочитать библиотеку устройств: %1</translation>
    </message>
</context>
<context>
    <name>NoSolution</name>
    <message>
        <source>No UPS in the product data carries this load, not even in parallel.</source>
        <translation>Ни один ИБП из данных о продукции не выдерживает эту нагрузку, даже параллельно.</translation>
    </message>
    <message>
        <source>No UPS reaches this autonomy with the cabinets it takes; the option UNLIMITED_BATTCAB lifts the limits.</source>
        <translation>Ни один ИБП не достигает этого времени автономии с допустимым числом шкафов; опция UNLIMITED_BATTCAB снимает ограничения.</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>The file is not a Vantor project: it is not readable as JSON (at character %1).</source>
        <translation>Файл не является проектом Vantor: его нельзя прочитать как JSON (на символе %1).</translation>
    </message>
    <message>
        <source>The file is not a Vantor project.</source>
        <translation>Файл не является проектом Vantor.</translation>
    </message>
    <message>
        <source>The project file is damaged: %1.</source>
        <translation>Файл проекта повреждён: %1.</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>отсутствует %1</translation>
    </message>
    <message>
        <source>%1 has the wrong type</source>
        <translation>%1 имеет неверный тип</translation>
    </message>
    <message>
        <source>%1 holds an impossible value</source>
        <translation>%1 содержит невозможное значение</translation>
    </message>
    <message>
        <source>This project was saved by a newer Vantor (project format %1); this version reads format %2.</source>
        <translation>Этот проект сохранён более новой версией Vantor (формат проекта %1); эта версия читает формат %2.</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened (%2).</source>
        <translation>Не удаётся открыть проект %1 (%2).</translation>
    </message>
    <message>
        <source>The project could not be saved as %1 (%2); the file there is unchanged.</source>
        <translation>Не удалось сохранить проект как %1 (%2); существующий файл не изменён.</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>не удаётся создать папку</translation>
    </message>
    <message>
        <source>Unsaved changes could not be kept for recovery in %1 (%2).</source>
        <translation>Не удалось сохранить несохранённые изменения для восстановления в %1 (%2).</translation>
    </message>
    <message>
        <source>Unsaved work on the project %1 from %2 was left behind when Vantor stopped. Restore it?</source>
        <translation>После остановки Vantor осталась несохранённая работа над проектом %1 от %2. Восстановить её?</translation>
    </message>
    <message>
        <source>Unsaved work on a new project from %1 was left behind when Vantor stopped. Restore it?</source>
        <translation>После остановки Vantor осталась несохранённая работа над новым проектом от %1. Восстановить её?</translation>
    </message>
    <message>
        <source>The list of recent projects cannot be written to %1.</source>
        <translation>Не удаётся записать список последних проектов в %1.</translation>
    </message>
    <message>
        <source>%1: %2 is no longer in the catalogue; size this system again.</source>
        <translation>%1: %2 больше нет в каталоге; подберите эту систему заново.</translation>
    </message>
    <message>
        <source>%1: %2 is no longer in the pricelist.</source>
        <translation>%1: %2 больше нет в прайс-листе.</translation>
    </message>
    <message>
        <source>%1: the price of %2 is now %4 (%3 when saved).</source>
        <translation>%1: цена %2 теперь %4 (%3 при сохранении).</translation>
    </message>
    <message>
        <source>Whole project</source>
        <translation>Весь проект</translation>
    </message>
    <message>
        <source>System %1</source>
        <translation>Система %1</translation>
    </message>
</context>
<context>
    <name>ProjectQuote</name>
    <message>
        <source>This quote is valid until %1.</source>
        <translation>Предложение действительно до %1.</translation>
    </message>
    <message>
        <source>Amounts in %1; VAT charged at %2.</source>
        <translation>Суммы в %1; НДС по ставке %2.</translation>
    </message>
    <message>
        <source>%1 item(s) priced on request are not included in the totals.</source>
        <translation>Позиции с ценой по запросу (%1) не включены в итоги.</translation>
    </message>
    <message>
        <source>The spreadsheet lists prices, and prices are hidden in this installation.</source>
        <translation>Таблица содержит цены, а в этой установке цены скрыты.</translation>
    </message>
</context>
<context>
    <name>ProjectScreen</name>
    <message>
        <source>New</source>
        <translation>Новый</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Открыть…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Сохранить как…</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Недавние</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>Нет недавних проектов</translation>
    </message>
    <message>
        <source>Project…</source>
        <translation>Проект…</translation>
    </message>
    <message>
        <source>Add to project</source>
        <translation>Добавить в проект</translation>
    </message>
    <message>
        <source>Put back into project</source>
        <translation>Вернуть в проект</translation>
    </message>
    <message>
        <source>Projects (*%1)</source>
        <translation>Проекты (*%1)</translation>
    </message>
    <message>
        <source>New project</source>
        <translation>Новый проект</translation>
    </message>
    <message>
        <source>%1 (unsaved)</source>
        <translation>%1 (не сохранён)</translation>
    </message>
    <message>
        <source>%1 systems</source>
        <translation>систем: %1</translation>
    </message>
    <message>
        <source>The project %1 has unsaved changes. Save them first?</source>
        <translation>В проекте %1 есть несохранённые изменения. Сохранить их?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Отбросить</translation>
    </message>
    <message>
        <source>Unsaved work</source>
        <translation>Несохранённая работа</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Prices changed</source>
        <translation>Цены изменились</translation>
    </message>
    <message>
        <source>Today&apos;s pricelist differs from the prices saved in the project:</source>
        <translation>Сегодняшний прайс-лист отличается от цен, сохранённых в проекте:</translation>
    </message>
    <message>
        <source>Take today&apos;s prices</source>
        <translation>Взять сегодняшние цены</translation>
    </message>
    <message>
        <source>Keep the saved prices</source>
        <translation>Оставить сохранённые цены</translation>
    </message>
    <message>
        <source>Some products are no longer in the catalogue: reopen the marked systems in their selector.</source>
        <translation>Некоторых изделий больше нет в каталоге: откройте отмеченные системы в их подборщике снова.</translation>
    </message>
    <message>
        <source>no longer in the catalogue</source>
        <translation>больше нет в каталоге</translation>
    </message>
    <message>
        <source>Added to the project as %1.</source>
        <translation>Добавлено в проект как %1.</translation>
    </message>
    <message>
        <source>%1 was put back into the project.</source>
        <translation>%1 возвращена в проект.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Контакт</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Название проекта</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Ссылка</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Примечания</translation>
    </message>
    <message>
        <source>Terms</source>
        <translation>Условия</translation>
    </message>
    <message>
        <source>VAT %</source>
        <translation>НДС %</translation>
    </message>
    <message>
        <source>Valid for</source>
        <translation>Действительно</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 дн.</translation>
    </message>
    <message>
        <source>issued with the first quote</source>
        <translation>присваивается с первым предложением</translation>
    </message>
    <message>
        <source>Seller details…</source>
        <translation>Данные продавца…</translation>
    </message>
    <message>
        <source>Seller details</source>
        <translation>Данные продавца</translation>
    </message>
    <message>
        <source>Quote number prefix</source>
        <translation>Префикс номера предложения</translation>
    </message>
    <message>
        <source>Systems and lines</source>
        <translation>Системы и позиции</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Accessories and services</source>
        <translation>Аксессуары и услуги</translation>
    </message>
    <message>
        <source>Choose a system to see its accessories.</source>
        <translation>Выберите систему, чтобы увидеть её аксессуары.</translation>
    </message>
    <message>
        <source>No accessories for this system.</source>
        <translation>Для этой системы нет аксессуаров.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Search the pricelist by code or description</source>
        <translation>Поиск в прайс-листе по коду или описанию</translation>
    </message>
    <message>
        <source>Free-text line</source>
        <translation>Позиция с произвольным текстом</translation>
    </message>
    <message>
        <source>Price of one</source>
        <translation>Цена за единицу</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Reopen in selector</source>
        <translation>Открыть в подборщике</translation>
    </message>
    <message>
        <source>Quote (PDF)</source>
        <translation>Предложение (PDF)</translation>
    </message>
    <message>
        <source>Spreadsheet (.xlsx)</source>
        <translation>Таблица (.xlsx)</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>Spreadsheets (*.xlsx)</source>
        <translation>Таблицы (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Файлы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>No systems yet: size one in a selector and add it to the project.</source>
        <translation>Систем пока нет: подберите систему в подборщике и добавьте её в проект.</translation>
    </message>
    <message>
        <source>Project lines</source>
        <translation>Позиции проекта</translation>
    </message>
</context>
<context>
    <name>Quote</name>
    <message>
        <source>Quote…</source>
        <translation>Предложение…</translation>
    </message>
    <message>
        <source>Quote for the customer</source>
        <translation>Предложение для клиента</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Заказчик</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Проект</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>Создать PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The quote is saved as %1.</source>
        <translation>Предложение сохранено в файл %1.</translation>
    </message>
    <message>
        <source>Select a solution to quote it.</source>
        <translation>Выберите решение, чтобы подготовить предложение.</translation>
    </message>
    <message>
        <source>Quotation</source>
        <translation>Коммерческое предложение</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Required autonomy</source>
        <translation>Требуемое время автономии</translation>
    </message>
    <message>
        <source>Runtime at this load</source>
        <translation>Время автономии при этой нагрузке</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Артикул</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Наименование</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Кол-во</translation>
    </message>
    <message>
        <source>Unit price</source>
        <translation>Цена за ед.</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Сумма</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Итого</translation>
    </message>
    <message>
        <source>min</source>
        <comment>minutes</comment>
        <translation>мин</translation>
    </message>
    <message>
        <source>beyond the battery tables</source>
        <translation>за пределами таблиц батарей</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Страница %1 из %2</translation>
    </message>
</context>
<context>
    <name>QuoteTerms</name>
    <message>
        <source>Quote number</source>
        <translation>Номер предложения</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>Действительно до</translation>
    </message>
    <message>
        <source>Seller</source>
        <translation>Продавец</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Компания</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Валюта</translation>
    </message>
    <message>
        <source>Discount %</source>
        <translation>Скидка, %</translation>
    </message>
    <message>
        <source>price on request</source>
        <translation>цена по запросу</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>Промежуточный итог</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Скидка</translation>
    </message>
    <message>
        <source>Net total</source>
        <translation>Итого без НДС</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>НДС</translation>
    </message>
    <message>
        <source>Total including VAT</source>
        <translation>Итого с НДС</translation>
    </message>
    <message>
        <source>Further items</source>
        <translation>Прочие позиции</translation>
    </message>
    <message>
        <source>%1, line %2 (%3): %4</source>
        <translation>%1, строка %2 (%3): %4</translation>
    </message>
    <message>
        <source>the quantity must be at least 1</source>
        <translation>количество должно быть не меньше 1</translation>
    </message>
    <message>
        <source>the discount must be between 0 and 100 %</source>
        <translation>скидка должна быть от 0 до 100 %</translation>
    </message>
    <message>
        <source>the unit price must be a number of at least 0</source>
        <translation>цена за единицу должна быть числом не меньше 0</translation>
    </message>
    <message>
        <source>The overall discount must be between 0 and 100 %.</source>
        <translation>Общая скидка должна быть от 0 до 100 %.</translation>
    </message>
    <message>
        <source>The VAT rate must be between 0 and 100 %.</source>
        <translation>Ставка НДС должна быть от 0 до 100 %.</translation>
    </message>
    <message>
        <source>The currency may have at most %1 decimals.</source>
        <translation>У валюты может быть не более %1 знаков после запятой.</translation>
    </message>
    <message>
        <source>The quote number file %1 is in use by another program; try again.</source>
        <translation>Файл номеров предложений %1 занят другой программой; повторите попытку.</translation>
    </message>
    <message>
        <source>The quote number file %1 is damaged, so no number was given out. Write the last quote number given into it.</source>
        <translation>Файл номеров предложений %1 повреждён, поэтому номер не выдан. Запишите в него последний выданный номер предложения.</translation>
    </message>
    <message>
        <source>The quote numbers of %1 are used up.</source>
        <translation>Номера предложений в %1 исчерпаны.</translation>
    </message>
    <message>
        <source>The quote number file %1 cannot be written: %2</source>
        <translation>Не удаётся записать файл номеров предложений %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Не удаётся записать файл %1: %2</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read.</source>
        <translation>Не удаётся прочитать файл настроек %1.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written.</source>
        <translation>Не удаётся записать файл настроек %1.</translation>
    </message>
</context>
<context>
    <name>Requirements</name>
    <message>
        <source>Load</source>
        <translation>Нагрузка</translation>
    </message>
    <message>
        <source>Load given in</source>
        <translation>Нагрузка задана в</translation>
    </message>
    <message>
        <source>Power factor</source>
        <translation>Коэффициент мощности</translation>
    </message>
    <message>
        <source>Room for growth</source>
        <translation>Запас на расширение</translation>
    </message>
    <message>
        <source>Loading limit</source>
        <translation>Предел загрузки</translation>
    </message>
    <message>
        <source>Autonomy</source>
        <translation>Время автономии</translation>
    </message>
    <message>
        <source>End voltage</source>
        <translation>Конечное напряжение</translation>
    </message>
    <message>
        <source>Ambient temperature</source>
        <translation>Температура окружающей среды</translation>
    </message>
    <message>
        <source>Capacity at end of life</source>
        <translation>Ёмкость в конце срока службы</translation>
    </message>
    <message>
        <source>Redundant units</source>
        <translation>Резервные блоки</translation>
    </message>
    <message>
        <source>Output phases</source>
        <translation>Выходные фазы</translation>
    </message>
    <message>
        <source>any</source>
        <comment>output phases</comment>
        <translation>любые</translation>
    </message>
    <message>
        <source>Load inventory…</source>
        <translation>Перечень нагрузок…</translation>
    </message>
    <message>
        <source>UPS</source>
        <translation>ИБП</translation>
    </message>
    <message>
        <source>Battery cabinets</source>
        <translation>Батарейные шкафы</translation>
    </message>
    <message>
        <source>Enter a load above zero to see the solutions.</source>
        <translation>Введите нагрузку больше нуля, чтобы увидеть решения.</translation>
    </message>
    <message>
        <source>The battery tables reach at most %1 minutes; ask for less autonomy.</source>
        <translation>Таблицы батарей охватывают не более %1 мин; уменьшите время автономии.</translation>
    </message>
    <message>
        <source>The product data holds no UPS for this selector.</source>
        <translation>В данных о продукции нет ИБП для этого подбора.</translation>
    </message>
</context>
<context>
    <name>RuntimeCurve</name>
    <message>
        <source>Load (W)</source>
        <translation>Нагрузка (W)</translation>
    </message>
    <message>
        <source>Runtime (min)</source>
        <translation>Время автономии (мин)</translation>
    </message>
    <message>
        <source>%1 cabinets</source>
        <translation>шкафов: %1</translation>
    </message>
    <message>
        <source>1 cabinet</source>
        <translation>1 шкаф</translation>
    </message>
    <message>
        <source>UPS alone</source>
        <translation>Только ИБП</translation>
    </message>
</context>
<context>
    <name>RuntimeSelector</name>
    <message>
        <source>Runtime at %1: %2</source>
        <translation>Время автономии при %1: %2</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>Сохранить как PNG…</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Сохранено в файл %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Не удаётся записать файл %1.</translation>
    </message>
</context>
<context>
    <name>SelectorScreen</name>
    <message>
        <source>Requirements</source>
        <translation>Требования</translation>
    </message>
    <message>
        <source>Solutions</source>
        <translation>Решения</translation>
    </message>
    <message>
        <source>Runtime curve</source>
        <translation>Кривая времени автономии</translation>
    </message>
    <message>
        <source>Advanced UPS selector</source>
        <translation>Расширенный подбор ИБП</translation>
    </message>
    <message>
        <source>Base UPS selector</source>
        <translation>Базовый подбор ИБП</translation>
    </message>
    <message>
        <source>Modular UPS selector</source>
        <translation>Подбор модульных ИБП</translation>
    </message>
    <message>
        <source>Runtime calculator</source>
        <translation>Расчёт времени автономии</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Development engine %1</source>
        <translation>Движок разработки %1</translation>
    </message>
    <message>
        <source>Base</source>
        <comment>selector</comment>
        <translation>Базовый</translation>
    </message>
    <message>
        <source>Advanced</source>
        <comment>selector</comment>
        <translation>Расширенный</translation>
    </message>
    <message>
        <source>Modular</source>
        <comment>selector</comment>
        <translation>Модульный</translation>
    </message>
    <message>
        <source>Runtime</source>
        <comment>selector</comment>
        <translation>Автономия</translation>
    </message>
    <message>
        <source>Development engine</source>
        <translation>Отладочный модуль</translation>
    </message>
    <message>
        <source>No prices can be shown: %1</source>
        <translation>Цены недоступны: %1</translation>
    </message>
</context>
<context>
    <name>SettingsStrip</name>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Catalogue</source>
        <translation>Каталог</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Опции</translation>
    </message>
    <message>
        <source>Prices</source>
        <translation>Цены</translation>
    </message>
    <message>
        <source>shown</source>
        <comment>prices</comment>
        <translation>показаны</translation>
    </message>
    <message>
        <source>hidden</source>
        <comment>prices</comment>
        <translation>скрыты</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(нет)</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no options set</comment>
        <translation>нет</translation>
    </message>
    <message>
        <source>(English texts)</source>
        <translation>(тексты на английском)</translation>
    </message>
    <message>
        <source>Pricelist</source>
        <translation>Прайс-лист</translation>
    </message>
    <message>
        <source>%1 priced items</source>
        <translation>Позиций с ценой: %1</translation>
    </message>
    <message>
        <source>not readable</source>
        <translation>не читается</translation>
    </message>
</context>
<context>
    <name>SizingBasis</name>
    <message>
        <source>From the UPS</source>
        <translation>По ИБП</translation>
    </message>
    <message>
        <source>New</source>
        <comment>runtime with new batteries</comment>
        <translation>Новые</translation>
    </message>
    <message>
        <source>All running</source>
        <comment>runtime with every unit running</comment>
        <translation>Все в работе</translation>
    </message>
    <message>
        <source>Runtime at end of life (%1 % capacity) at %2 °C, end voltage %3</source>
        <translation>Время автономии в конце срока службы (ёмкость %1 %) при %2 °C, конечное напряжение %3</translation>
    </message>
    <message>
        <source>with %1 redundant out</source>
        <translation>при %1 резервных отключённых</translation>
    </message>
    <message>
        <source>“New”: with new batteries</source>
        <translation>«Новые»: с новыми батареями</translation>
    </message>
    <message>
        <source>“All running”: no unit out</source>
        <translation>«Все в работе»: ни один блок не отключён</translation>
    </message>
    <message>
        <source>set by each UPS for its load</source>
        <translation>задаётся каждым ИБП по его нагрузке</translation>
    </message>
    <message>
        <source>%1 V/cell</source>
        <translation>%1 В/элемент</translation>
    </message>
    <message>
        <source>%1 V/cell, the UPS&apos;s own at this load</source>
        <translation>%1 В/элемент, собственное значение ИБП при этой нагрузке</translation>
    </message>
    <message>
        <source>%1 V/cell, as chosen</source>
        <translation>%1 В/элемент, по выбору</translation>
    </message>
    <message>
        <source>%1 °C: %2 % of the capacity (%3)</source>
        <translation>%1 °C: %2 % ёмкости (%3)</translation>
    </message>
    <message>
        <source>N+%1: the runtime holds with %1 out</source>
        <translation>N+%1: время автономии сохраняется при %1 отключённых</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no redundant units</comment>
        <translation>нет</translation>
    </message>
    <message>
        <source>Runtime, new batteries</source>
        <translation>Время автономии, новые батареи</translation>
    </message>
    <message>
        <source>Runtime at end of life</source>
        <translation>Время автономии в конце срока службы</translation>
    </message>
    <message>
        <source>all running</source>
        <translation>все в работе</translation>
    </message>
    <message>
        <source>%1 out</source>
        <translation>%1 отключено</translation>
    </message>
    <message>
        <source>with new batteries: %1</source>
        <translation>с новыми батареями: %1</translation>
    </message>
</context>
<context>
    <name>SolutionDetails</name>
    <message>
        <source>Details…</source>
        <translation>Подробно…</translation>
    </message>
    <message>
        <source>Details of the solution</source>
        <translation>Подробности решения</translation>
    </message>
    <message>
        <source>Sizing basis</source>
        <translation>Основа расчёта</translation>
    </message>
    <message>
        <source>Installation data</source>
        <translation>Данные для монтажа</translation>
    </message>
    <message>
        <source>Heat dissipation</source>
        <translation>Тепловыделение</translation>
    </message>
    <message>
        <source>Total weight</source>
        <translation>Общая масса</translation>
    </message>
    <message>
        <source>Floor area</source>
        <translation>Площадь пола</translation>
    </message>
    <message>
        <source>Output current</source>
        <translation>Выходной ток</translation>
    </message>
    <message>
        <source>Input current, recharging</source>
        <translation>Входной ток при заряде</translation>
    </message>
    <message>
        <source>%1 A per phase</source>
        <translation>%1 A на фазу</translation>
    </message>
    <message>
        <source>%1 A per phase on each of %2 inputs</source>
        <translation>%1 A на фазу на каждом из %2 вводов</translation>
    </message>
    <message>
        <source>Input protective device</source>
        <translation>Защита на вводе</translation>
    </message>
    <message>
        <source>%1 A on each input</source>
        <translation>%1 A на каждом вводе</translation>
    </message>
    <message>
        <source>above %1 A: to be sized by the electrician</source>
        <translation>свыше %1 A: подбирает электрик</translation>
    </message>
    <message>
        <source>Recharge to 90 %</source>
        <translation>Заряд до 90 %</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 ч</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>SolutionList</name>
    <message>
        <source>Needs %1 W / %2 VA for %3 min</source>
        <translation>Требуется %1 W / %2 VA на %3 мин</translation>
    </message>
    <message>
        <source>solutions: %1</source>
        <translation>Решений: %1</translation>
    </message>
    <message>
        <source>No UPS in the product data carries this load for this long.</source>
        <translation>Ни один ИБП из данных о продукции не обеспечивает эту нагрузку так долго.</translation>
    </message>
    <message>
        <source>UPS</source>
        <translation>ИБП</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Схема</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Батарея</translation>
    </message>
    <message>
        <source>Runtime</source>
        <translation>Автономия</translation>
    </message>
    <message>
        <source>Load %</source>
        <translation>Загрузка %</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Цена</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Расчёт</translation>
    </message>
    <message>
        <source>single unit</source>
        <translation>одиночный блок</translation>
    </message>
    <message>
        <source>%1 units in parallel (N+%2)</source>
        <translation>%1 шт. параллельно (N+%2)</translation>
    </message>
    <message>
        <source>%1 modules (N+%2)</source>
        <translation>модулей: %1 (N+%2)</translation>
    </message>
    <message>
        <source>internal batteries</source>
        <translation>встроенные батареи</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>%1 × %2 blocks</source>
        <translation>цепочек: %1, блоков в цепочке: %2</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 мин</translation>
    </message>
    <message>
        <source>over %1 min</source>
        <translation>более %1 мин</translation>
    </message>
    <message>
        <source>under %1 min</source>
        <translation>менее %1 мин</translation>
    </message>
    <message>
        <source>short of the autonomy</source>
        <translation>недостаточное время автономии</translation>
    </message>
    <message>
        <source>efficiency %1 % · battery %2 W · %3 cells · %4 W/cell · table %5 W/cell</source>
        <translation>КПД %1 % · батарея %2 W · элементов: %3 · %4 W/элемент · таблица %5 W/элемент</translation>
    </message>
    <message>
        <source>no price</source>
        <translation>нет цены</translation>
    </message>
    <message>
        <source>The product data cannot be used: %1</source>
        <translation>Невозможно использовать данные о продукции: %1</translation>
    </message>
</context>
</TS>
