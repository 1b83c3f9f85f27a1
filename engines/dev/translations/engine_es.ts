<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_GB">
<context>
    <name>Accessories</name>
    <message>
        <source>Communication</source>
        <translation>Comunicación</translation>
    </message>
    <message>
        <source>Mounting</source>
        <translation>Montaje</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Servicio</translation>
    </message>
    <message>
        <source>Warranty</source>
        <translation>Garantía</translation>
    </message>
    <message>
        <source>On request</source>
        <translation>A petición</translation>
    </message>
</context>
<context>
    <name>LoadInventory</name>
    <message>
        <source>Load inventory</source>
        <translation>Inventario de cargas</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Vatios</translation>
    </message>
    <message>
        <source>Total: %1 W, %2 VA</source>
        <translation>Total: %1 W, %2 VA</translation>
    </message>
    <message>
        <source>Use this load</source>
        <translation>Usar esta carga</translation>
    </message>
    <message>
        <source>The device library cannot be read: %1</source>
        <translation>No se puede leer la biblioteca de equipos: %1</translation>
    </message>
</context>
<context>
    <name>NoSolution</name>
    <message>
        <source>No UPS in the product data carries this load, not even in parallel.</source>
        <translation>Ningún SAI de los datos de producto soporta esta carga, ni siquiera en paralelo.</translation>
    </message>
    <message>
        <source>No UPS reaches this autonomy with the cabinets it takes; the option UNLIMITED_BATTCAB lifts the limits.</source>
        <translation>Ningún SAI alcanza esta autonomía con los armarios que admite; la opción UNLIMITED_BATTCAB elimina los límites.</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>The file is not a Vantor project: it is not readable as JSON (at character %1).</source>
        <translation>El archivo no es un proyecto de Vantor: no se puede leer como JSON (en el carácter %1).</translation>
    </message>
    <message>
        <source>The file is not a Vantor project.</source>
        <translation>El archivo no es un proyecto de Vantor.</translation>
    </message>
    <message>
        <source>The project file is damaged: %1.</source>
        <translation>El archivo del proyecto está dañado: %1.</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1 has the wrong type</source>
        <translation>%1 tiene un tipo incorrecto</translation>
    </message>
    <message>
        <source>%1 holds an impossible value</source>
        <translation>%1 contiene un valor imposible</translation>
    </message>
    <message>
        <source>This project was saved by a newer Vantor (project format %1); this version reads format %2.</source>
        <translation>Este proyecto se guardó con un Vantor más reciente (formato de proyecto %1); esta versión lee el formato %2.</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened (%2).</source>
        <translation>No se puede abrir el proyecto %1 (%2).</translation>
    </message>
    <message>
        <source>The project could not be saved as %1 (%2); the file there is unchanged.</source>
        <translation>No se pudo guardar el proyecto como %1 (%2); el archivo existente no ha cambiado.</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>no se puede crear la carpeta</translation>
    </message>
    <message>
        <source>Unsaved changes could not be kept for recovery in %1 (%2).</source>
        <translation>No se pudieron conservar los cambios sin guardar para la recuperación en %1 (%2).</translation>
    </message>
    <message>
        <source>Unsaved work on the project %1 from %2 was left behind when Vantor stopped. Restore it?</source>
        <translation>Al detenerse Vantor quedó trabajo sin guardar en el proyecto %1 del %2. ¿Restaurarlo?</translation>
    </message>
    <message>
        <source>Unsaved work on a new project from %1 was left behind when Vantor stopped. Restore it?</source>
        <translation>Al detenerse Vantor quedó trabajo sin guardar en un proyecto nuevo del %1. ¿Restaurarlo?</translation>
    </message>
    <message>
        <source>The list of recent projects cannot be written to %1.</source>
        <translation>No se puede escribir la lista de proyectos recientes en %1.</translation>
    </message>
    <message>
        <source>%1: %2 is no longer in the catalogue; size this system again.</source>
        <translation>%1: %2 ya no está en el catálogo; dimensione de nuevo este sistema.</translation>
    </message>
    <message>
        <source>%1: %2 is no longer in the pricelist.</source>
        <translation>%1: %2 ya no está en la lista de precios.</translation>
    </message>
    <message>
        <source>%1: the price of %2 is now %4 (%3 when saved).</source>
        <translation>%1: el precio de %2 es ahora %4 (%3 al guardar).</translation>
    </message>
    <message>
        <source>Whole project</source>
        <translation>Proyecto completo</translation>
    </message>
    <message>
        <source>System %1</source>
        <translation>Sistema %1</translation>
    </message>
</context>
<context>
    <name>ProjectQuote</name>
    <message>
        <source>This quote is valid until %1.</source>
        <translation>Esta oferta es válida hasta el %1.</translation>
    </message>
    <message>
        <source>Amounts in %1; VAT charged at %2.</source>
        <translation>Importes en %1; IVA aplicado al %2.</translation>
    </message>
    <message>
        <source>%1 item(s) priced on request are not included in the totals.</source>
        <translation>%1 partida(s) con precio a consultar no están incluidas en los totales.</translation>
    </message>
    <message>
        <source>The spreadsheet lists prices, and prices are hidden in this installation.</source>
        <translation>La hoja de cálculo contiene precios, y en esta instalación los precios están ocultos.</translation>
    </message>
</context>
<context>
    <name>ProjectScreen</name>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Abrir…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Recientes</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>No hay proyectos recientes</translation>
    </message>
    <message>
        <source>Project…</source>
        <translation>Proyecto…</translation>
    </message>
    <message>
        <source>Add to project</source>
        <translation>Añadir al proyecto</translation>
    </message>
    <message>
        <source>Put back into project</source>
        <translation>Devolver al proyecto</translation>
    </message>
    <message>
        <source>Projects (*%1)</source>
        <translation>Proyectos (*%1)</translation>
    </message>
    <message>
        <source>New project</source>
        <translation>Proyecto nuevo</translation>
    </message>
    <message>
        <source>%1 (unsaved)</source>
        <translation>%1 (sin guardar)</translation>
    </message>
    <message>
        <source>%1 systems</source>
        <translation>%1 sistemas</translation>
    </message>
    <message>
        <source>The project %1 has unsaved changes. Save them first?</source>
        <translation>El proyecto %1 tiene cambios sin guardar. ¿Guardarlos primero?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Unsaved work</source>
        <translation>Trabajo sin guardar</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Prices changed</source>
        <translation>Precios modificados</translation>
    </message>
    <message>
        <source>Today&apos;s pricelist differs from the prices saved in the project:</source>
        <translation>La lista de precios de hoy difiere de los precios guardados en el proyecto:</translation>
    </message>
    <message>
        <source>Take today&apos;s prices</source>
        <translation>Usar los precios de hoy</translation>
    </message>
    <message>
        <source>Keep the saved prices</source>
        <translation>Mantener los precios guardados</translation>
    </message>
    <message>
        <source>Some products are no longer in the catalogue: reopen the marked systems in their selector.</source>
        <translation>Algunos productos ya no están en el catálogo: vuelva a abrir los sistemas marcados en su selector.</translation>
    </message>
    <message>
        <source>no longer in the catalogue</source>
        <translation>ya no está en el catálogo</translation>
    </message>
    <message>
        <source>Added to the project as %1.</source>
        <translation>Añadido al proyecto como %1.</translation>
    </message>
    <message>
        <source>%1 was put back into the project.</source>
        <translation>%1 se devolvió al proyecto.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nombre del proyecto</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Terms</source>
        <translation>Condiciones</translation>
    </message>
    <message>
        <source>VAT %</source>
        <translation>IVA %</translation>
    </message>
    <message>
        <source>Valid for</source>
        <translation>Válido durante</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 días</translation>
    </message>
    <message>
        <source>issued with the first quote</source>
        <translation>se asigna con la primera oferta</translation>
    </message>
    <message>
        <source>Seller details…</source>
        <translation>Datos del vendedor…</translation>
    </message>
    <message>
        <source>Seller details</source>
        <translation>Datos del vendedor</translation>
    </message>
    <message>
        <source>Quote number prefix</source>
        <translation>Prefijo del número de oferta</translation>
    </message>
    <message>
        <source>Systems and lines</source>
        <translation>Sistemas y líneas</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Artículo</translation>
    </message>
    <message>
        <source>Accessories and services</source>
        <translation>Accesorios y servicios</translation>
    </message>
    <message>
        <source>Choose a system to see its accessories.</source>
        <translation>Elija un sistema para ver sus accesorios.</translation>
    </message>
    <message>
        <source>No accessories for this system.</source>
        <translation>No hay accesorios para este sistema.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Search the pricelist by code or description</source>
        <translation>Buscar en la lista de precios por código o descripción</translation>
    </message>
    <message>
        <source>Free-text line</source>
        <translation>Línea de texto libre</translation>
    </message>
    <message>
        <source>Price of one</source>
        <translation>Precio unitario</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Reopen in selector</source>
        <translation>Volver a abrir en el selector</translation>
    </message>
    <message>
        <source>Quote (PDF)</source>
        <translation>Oferta (PDF)</translation>
    </message>
    <message>
        <source>Spreadsheet (.xlsx)</source>
        <translation>Hoja de cálculo (.xlsx)</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>Spreadsheets (*.xlsx)</source>
        <translation>Hojas de cálculo (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>No systems yet: size one in a selector and add it to the project.</source>
        <translation>Aún no hay sistemas: dimensione uno en un selector y añádalo al proyecto.</translation>
    </message>
    <message>
        <source>Project lines</source>
        <translation>Líneas del proyecto</translation>
    </message>
</context>
<context>
    <name>Quote</name>
    <message>
        <source>Quote…</source>
        <translation>Presupuesto…</translation>
    </message>
    <message>
        <source>Quote for the customer</source>
        <translation>Presupuesto para el cliente</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>Crear PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The quote is saved as %1.</source>
        <translation>El presupuesto se ha guardado como %1.</translation>
    </message>
    <message>
        <source>Select a solution to quote it.</source>
        <translation>Seleccione una solución para crear el presupuesto.</translation>
    </message>
    <message>
        <source>Quotation</source>
        <translation>Presupuesto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Required autonomy</source>
        <translation>Autonomía requerida</translation>
    </message>
    <message>
        <source>Runtime at this load</source>
        <translation>Autonomía con esta carga</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Cant.</translation>
    </message>
    <message>
        <source>Unit price</source>
        <translation>Precio unitario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>min</source>
        <comment>minutes</comment>
        <translation>min</translation>
    </message>
    <message>
        <source>beyond the battery tables</source>
        <translation>fuera de las tablas de baterías</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>QuoteTerms</name>
    <message>
        <source>Quote number</source>
        <translation>Número de presupuesto</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>Válido hasta</translation>
    </message>
    <message>
        <source>Seller</source>
        <translation>Vendedor</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>Discount %</source>
        <translation>Descuento %</translation>
    </message>
    <message>
        <source>price on request</source>
        <translation>precio a consultar</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>Subtotal</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Descuento</translation>
    </message>
    <message>
        <source>Net total</source>
        <translation>Total neto</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>IVA</translation>
    </message>
    <message>
        <source>Total including VAT</source>
        <translation>Total con IVA</translation>
    </message>
    <message>
        <source>Further items</source>
        <translation>Otros artículos</translation>
    </message>
    <message>
        <source>%1, line %2 (%3): %4</source>
        <translation>%1, línea %2 (%3): %4</translation>
    </message>
    <message>
        <source>the quantity must be at least 1</source>
        <translation>la cantidad debe ser al menos 1</translation>
    </message>
    <message>
        <source>the discount must be between 0 and 100 %</source>
        <translation>el descuento debe estar entre 0 y 100 %</translation>
    </message>
    <message>
        <source>the unit price must be a number of at least 0</source>
        <translation>el precio unitario debe ser un número de al menos 0</translation>
    </message>
    <message>
        <source>The overall discount must be between 0 and 100 %.</source>
        <translation>El descuento global debe estar entre 0 y 100 %.</translation>
    </message>
    <message>
        <source>The VAT rate must be between 0 and 100 %.</source>
        <translation>El tipo de IVA debe estar entre 0 y 100 %.</translation>
    </message>
    <message>
        <source>The currency may have at most %1 decimals.</source>
        <translation>La moneda puede tener como máximo %1 decimales.</translation>
    </message>
    <message>
        <source>The quote number file %1 is in use by another program; try again.</source>
        <translation>Otro programa está usando el archivo de números de presupuesto %1; inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The quote number file %1 is damaged, so no number was given out. Write the last quote number given into it.</source>
        <translation>El archivo de números de presupuesto %1 está dañado, por lo que no se ha asignado ningún número. Escriba en él el último número de presupuesto asignado.</translation>
    </message>
    <message>
        <source>The quote numbers of %1 are used up.</source>
        <translation>Los números de presupuesto de %1 se han agotado.</translation>
    </message>
    <message>
        <source>The quote number file %1 cannot be written: %2</source>
        <translation>No se puede escribir el archivo de números de presupuesto %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>No se puede escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read.</source>
        <translation>No se puede leer el archivo de configuración %1.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written.</source>
        <translation>No se puede escribir el archivo de configuración %1.</translation>
    </message>
</context>
<context>
    <name>Requirements</name>
    <message>
        <source>Load</source>
        <translation>Carga</translation>
    </message>
    <message>
        <source>Load given in</source>
        <translation>Carga expresada en</translation>
    </message>
    <message>
        <source>Power factor</source>
        <translation>Factor de potencia</translation>
    </message>
    <message>
        <source>Room for growth</source>
        <translation>Margen de ampliación</translation>
    </message>
    <message>
        <source>Loading limit</source>
        <translation>Límite de carga</translation>
    </message>
    <message>
        <source>Autonomy</source>
        <translation>Autonomía</translation>
    </message>
    <message>
        <source>End voltage</source>
        <translation>Tensión final de descarga</translation>
    </message>
    <message>
        <source>Ambient temperature</source>
        <translation>Temperatura ambiente</translation>
    </message>
    <message>
        <source>Capacity at end of life</source>
        <translation>Capacidad al final de la vida útil</translation>
    </message>
    <message>
        <source>Redundant units</source>
        <translation>Unidades redundantes</translation>
    </message>
    <message>
        <source>Output phases</source>
        <translation>Fases de salida</translation>
    </message>
    <message>
        <source>any</source>
        <comment>output phases</comment>
        <translation>indiferente</translation>
    </message>
    <message>
        <source>Load inventory…</source>
        <translation>Inventario de cargas…</translation>
    </message>
    <message>
        <source>UPS</source>
        <translation>SAI</translation>
    </message>
    <message>
        <source>Battery cabinets</source>
        <translation>Armarios de baterías</translation>
    </message>
    <message>
        <source>Enter a load above zero to see the solutions.</source>
        <translation>Introduzca una carga mayor que cero para ver las soluciones.</translation>
    </message>
    <message>
        <source>The battery tables reach at most %1 minutes; ask for less autonomy.</source>
        <translation>Las tablas de baterías llegan como máximo a %1 minutos; solicite menos autonomía.</translation>
    </message>
    <message>
        <source>The product data holds no UPS for this selector.</source>
        <translation>Los datos de producto no contienen ningún SAI para este selector.</translation>
    </message>
</context>
<context>
    <name>RuntimeCurve</name>
    <message>
        <source>Load (W)</source>
        <translation>Carga (W)</translation>
    </message>
    <message>
        <source>Runtime (min)</source>
        <translation>Autonomía (min)</translation>
    </message>
    <message>
        <source>%1 cabinets</source>
        <translation>%1 armarios</translation>
    </message>
    <message>
        <source>1 cabinet</source>
        <translation>1 armario</translation>
    </message>
    <message>
        <source>UPS alone</source>
        <translation>Solo SAI</translation>
    </message>
</context>
<context>
    <name>RuntimeSelector</name>
    <message>
        <source>Runtime at %1: %2</source>
        <translation>Autonomía con %1: %2</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>Guardar como PNG…</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Guardado en %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>No se puede escribir el archivo %1.</translation>
    </message>
</context>
<context>
    <name>SelectorScreen</name>
    <message>
        <source>Requirements</source>
        <translation>Requisitos</translation>
    </message>
    <message>
        <source>Solutions</source>
        <translation>Soluciones</translation>
    </message>
    <message>
        <source>Runtime curve</source>
        <translation>Curva de autonomía</translation>
    </message>
    <message>
        <source>Advanced UPS selector</source>
        <translation>Selector SAI avanzado</translation>
    </message>
    <message>
        <source>Base UPS selector</source>
        <translation>Selector SAI básico</translation>
    </message>
    <message>
        <source>Modular UPS selector</source>
        <translation>Selector SAI modular</translation>
    </message>
    <message>
        <source>Runtime calculator</source>
        <translation>Cálculo de autonomía</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Development engine %1</source>
        <translation>Motor de desarrollo %1</translation>
    </message>
    <message>
        <source>Base</source>
        <comment>selector</comment>
        <translation>Básico</translation>
    </message>
    <message>
        <source>Advanced</source>
        <comment>selector</comment>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Modular</source>
        <comment>selector</comment>
        <translation>Modular</translation>
    </message>
    <message>
        <source>Runtime</source>
        <comment>selector</comment>
        <translation>Autonomía</translation>
    </message>
    <message>
        <source>Development engine</source>
        <translation>Motor de desarrollo</translation>
    </message>
    <message>
        <source>No prices can be shown: %1</source>
        <translation>No se pueden mostrar los precios: %1</translation>
    </message>
</context>
<context>
    <name>SettingsStrip</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Catalogue</source>
        <translation>Catálogo</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Prices</source>
        <translation>Precios</translation>
    </message>
    <message>
        <source>shown</source>
        <comment>prices</comment>
        <translation>visibles</translation>
    </message>
    <message>
        <source>hidden</source>
        <comment>prices</comment>
        <translation>ocultos</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no options set</comment>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>(English texts)</source>
        <translation>(textos en inglés)</translation>
    </message>
    <message>
        <source>Pricelist</source>
        <translation>Lista de precios</translation>
    </message>
    <message>
        <source>%1 priced items</source>
        <translation>%1 artículos con precio</translation>
    </message>
    <message>
        <source>not readable</source>
        <translation>no legible</translation>
    </message>
</context>
<context>
    <name>SizingBasis</name>
    <message>
        <source>From the UPS</source>
        <translation>Según el SAI</translation>
    </message>
    <message>
        <source>New</source>
        <comment>runtime with new batteries</comment>
        <translation>Nuevas</translation>
    </message>
    <message>
        <source>All running</source>
        <comment>runtime with every unit running</comment>
        <translation>Todas en servicio</translation>
    </message>
    <message>
        <source>Runtime at end of life (%1 % capacity) at %2 °C, end voltage %3</source>
        <translation>Autonomía al final de la vida útil (capacidad %1 %) a %2 °C, tensión final %3</translation>
    </message>
    <message>
        <source>with %1 redundant out</source>
        <translation>con %1 redundante(s) fuera de servicio</translation>
    </message>
    <message>
        <source>“New”: with new batteries</source>
        <translation>«Nuevas»: con baterías nuevas</translation>
    </message>
    <message>
        <source>“All running”: no unit out</source>
        <translation>«Todas en servicio»: ninguna unidad fuera de servicio</translation>
    </message>
    <message>
        <source>set by each UPS for its load</source>
        <translation>fijada por cada SAI según su carga</translation>
    </message>
    <message>
        <source>%1 V/cell</source>
        <translation>%1 V/celda</translation>
    </message>
    <message>
        <source>%1 V/cell, the UPS&apos;s own at this load</source>
        <translation>%1 V/celda, la del SAI con esta carga</translation>
    </message>
    <message>
        <source>%1 V/cell, as chosen</source>
        <translation>%1 V/celda, según lo elegido</translation>
    </message>
    <message>
        <source>%1 °C: %2 % of the capacity (%3)</source>
        <translation>%1 °C: %2 % de la capacidad (%3)</translation>
    </message>
    <message>
        <source>N+%1: the runtime holds with %1 out</source>
        <translation>N+%1: la autonomía se mantiene con %1 fuera de servicio</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no redundant units</comment>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Runtime, new batteries</source>
        <translation>Autonomía, baterías nuevas</translation>
    </message>
    <message>
        <source>Runtime at end of life</source>
        <translation>Autonomía al final de la vida útil</translation>
    </message>
    <message>
        <source>all running</source>
        <translation>todas en servicio</translation>
    </message>
    <message>
        <source>%1 out</source>
        <translation>%1 fuera de servicio</translation>
    </message>
    <message>
        <source>with new batteries: %1</source>
        <translation>con baterías nuevas: %1</translation>
    </message>
</context>
<context>
    <name>SolutionDetails</name>
    <message>
        <source>Details…</source>
        <translation>Detalles…</translation>
    </message>
    <message>
        <source>Details of the solution</source>
        <translation>Detalles de la solución</translation>
    </message>
    <message>
        <source>Sizing basis</source>
        <translation>Base del dimensionamiento</translation>
    </message>
    <message>
        <source>Installation data</source>
        <translation>Datos de instalación</translation>
    </message>
    <message>
        <source>Heat dissipation</source>
        <translation>Disipación térmica</translation>
    </message>
    <message>
        <source>Total weight</source>
        <translation>Peso total</translation>
    </message>
    <message>
        <source>Floor area</source>
        <translation>Superficie ocupada</translation>
    </message>
    <message>
        <source>Output current</source>
        <translation>Corriente de salida</translation>
    </message>
    <message>
        <source>Input current, recharging</source>
        <translation>Corriente de entrada en recarga</translation>
    </message>
    <message>
        <source>%1 A per phase</source>
        <translation>%1 A por fase</translation>
    </message>
    <message>
        <source>%1 A per phase on each of %2 inputs</source>
        <translation>%1 A por fase en cada una de las %2 entradas</translation>
    </message>
    <message>
        <source>Input protective device</source>
        <translation>Protección de entrada</translation>
    </message>
    <message>
        <source>%1 A on each input</source>
        <translation>%1 A en cada entrada</translation>
    </message>
    <message>
        <source>above %1 A: to be sized by the electrician</source>
        <translation>más de %1 A: a dimensionar por el electricista</translation>
    </message>
    <message>
        <source>Recharge to 90 %</source>
        <translation>Recarga al 90 %</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>SolutionList</name>
    <message>
        <source>Needs %1 W / %2 VA for %3 min</source>
        <translation>Se requieren %1 W / %2 VA durante %3 min</translation>
    </message>
    <message>
        <source>solutions: %1</source>
        <translation>%1 soluciones</translation>
    </message>
    <message>
        <source>No UPS in the product data carries this load for this long.</source>
        <translation>Ningún SAI de los datos de producto soporta esta carga durante tanto tiempo.</translation>
    </message>
    <message>
        <source>UPS</source>
        <translation>SAI</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Config.</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batería</translation>
    </message>
    <message>
        <source>Runtime</source>
        <translation>Autonomía</translation>
    </message>
    <message>
        <source>Load %</source>
        <translation>Carga %</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Precio</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Cálculo</translation>
    </message>
    <message>
        <source>single unit</source>
        <translation>unidad individual</translation>
    </message>
    <message>
        <source>%1 units in parallel (N+%2)</source>
        <translation>%1 unidades en paralelo (N+%2)</translation>
    </message>
    <message>
        <source>%1 modules (N+%2)</source>
        <translation>%1 módulos (N+%2)</translation>
    </message>
    <message>
        <source>internal batteries</source>
        <translation>baterías internas</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>%1 × %2 blocks</source>
        <translation>%1 ramas de %2 bloques</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>over %1 min</source>
        <translation>más de %1 min</translation>
    </message>
    <message>
        <source>under %1 min</source>
        <translation>menos de %1 min</translation>
    </message>
    <message>
        <source>short of the autonomy</source>
        <translation>autonomía insuficiente</translation>
    </message>
    <message>
        <source>efficiency %1 % · battery %2 W · %3 cells · %4 W/cell · table %5 W/cell</source>
        <translation>rendimiento %1 % · batería %2 W · %3 celdas · %4 W/celda · tabla %5 W/celda</translation>
    </message>
    <message>
        <source>no price</source>
        <translation>sin precio</translation>
    </message>
    <message>
        <source>The product data cannot be used: %1</source>
        <translation>Los datos de producto no se pueden usar: %1</translation>
    </message>
</context>
</TS>
