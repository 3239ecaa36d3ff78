#pragma once

// The icon names and pixel sizes of the three icon collections, in registration order: an icon's index in its
// collection is its position here. The resource library is drawn from the same lists.

#include <array>

// The toolbar collection's pixel sizes and its 434 icons. Users rely on 228 "CheckBoxOff", 229 "CheckBoxOn" and
// 254 "CalcBtn".
inline constexpr std::array TamanosImagenes16{16, 20, 24, 28};
// clang-format off
inline constexpr std::array<const char*, 434> NombresImagenes16{
    // 0-9
    "Tarvolin", "Nuevo", "Abrir", "Importar", "Exportar", "Imprimir", "Checked", "Props", "Cancelar", "Eliminar",
    // 10-19
    "Buscar", "BuscarSig", "PerVista", "CambPer", "CrearPol", "Utilerias", "Calc", "Ayuda", "Contenido", "QueEs",
    // 20-29
    "FlechaAsc", "OrdenAsc", "FlechaDsc", "OrdenDsc", "FormaImp", "IconosG", "IconosP", "Guardar", "GuardarN",
    "Deshacer",
    // 30-39
    "Cortar", "Copiar", "Pegar", "Borrar", "EleAnt", "PriEle", "EleSig", "UltEle", "ActVista", "LlaveQov",
    // 40-49
    "Invent", "Cxc", "Ventas", "Cxp", "Compras", "PVenta", "Contab", "Bancos", "Nomina", "AdmonSis",
    // 50-59
    "Reporteador", "Salida", "Usuarios", "CargosCC", "CreditosCC", "CargosPer", "PendAplicCC", "TipoCamb", "Clientes",
    "Cobradores",
    // 60-69
    "CondPagoCC", "TiposCli", "ZonasCli", "ConceptosCC", "Monedas", "PolComisCob", "Ciudades", "Estados", "Paises",
    "VistaPpal",
    // 70-79
    "Aplicar", "Modificar", "Empresas", "Almacenes", "ConceptosIN", "Centros", "Articulos", "Entradas", "Salidas",
    "Grupos",
    // 80-89
    "InvFisico", "Lineas", "Respaldar", "Restaurar", "Diagnosticar", "Cotizaciones", "PolDsctos", "Devoluciones",
    "DevRemisiones", "Facturas",
    // 90-99
    "Impuestos", "Pedidos", "PolComisVen", "Remisiones", "Vendedores", "ViasEmb", "CargosCP", "CreditosCP",
    "ConceptosCP", "CondPagoCP",
    // 100-109
    "CtasBan", "TiposProv", "Proveedores", "ComprasDoc", "DevCompras", "Recepciones", "DevRecepciones", "Ordenes",
    "PreciosCompra", "Imagen",
    // 110-119
    "Cancelado", "Aperturas", "Cajas", "CajaVista", "Cajeros", "CierresT", "DevVtaPvT", "Disp", "FacturaPv",
    "FormasCobro",
    // 120-129
    "FormasTk", "NotaCredPv", "OrdVtaT", "RetIngT", "VentasPvT", "ActivosFijos", "AplicarPoliza", "CreaPolCierre",
    "CreaPolDepre", "CuentasCo",
    // 130-139
    "Deptos", "Descripciones", "DisEdosFin", "EdosFin", "GrupoCtas", "Localizar", "Poliza", "PolizaPend",
    "PolizaPeriod", "Presupuesto",
    // 140-149
    "QuitarRecord", "Recordatorios", "TablaINPC", "TipoPoliza", "Beneficiarios", "ConceptosBA", "Conciliar",
    "CopiarMovPer", "CtasBan2", "CtaBanVista",
    // 150-159
    "Depositos", "EdosCta", "MovConciliado", "MovPeriodicos", "MovPoliza", "Retiros", "TiposCtas", "MovConciliado2",
    "Fx", "LiberarPagos",
    // 160-169
    "PagosXLib", "Enviar", "Enviar2", "ExpoA29", "ApNomina", "ConceptosNO", "CrearCheques", "CrearPagos", "DeptosNO",
    "Empleados",
    // 170-179
    "ExcepGrales", "ExcepPart", "ExpoDIM", "ExpoSUA", "FrecPago", "HabSaldos", "IncapEmp", "IncideEmp", "NominaVista",
    "PagosNomina",
    // 180-189
    "Prestamos", "Puestos", "SaldosIni", "SimularPagos", "TablasNO", "Cfd", "CobCxcT", "PagoElect", "PagoElect_BN",
    "MovAhorro",
    // 190-199
    "LiqAhorro", "LocalizarCheq", "InvFisicoApl", "AbrirCajon", "AbrirVtaDev", "AplDsctoExtra", "CapturaRapida",
    "CerrarVta", "ContinuarVta", "DatosCli",
    // 200-209
    "ImagenesCajas", "LiqOrdVta", "LiqVarOrdVta", "PreciosExis", "RetenerVta", "VerBarra", "VerTotales", "QovRuta",
    "Agentes", "Dispositivos",
    // 210-219
    "Imp_Moviles", "Rutas", "AbrirCarpeta", "ConfigTA", "Suspender", "AplicarCobros", "CobradorVista",
    "CobrosXDepositar", "FormasCobroCC", "AgenteVista",
    // 220-229
    "Visitas", "CrearPlanesVisitas", "PlanesVisitas", "RazonesVisitaInefectiva", "CfdiCert", "Cfd2", "ExpoIDSE",
    "FrecPagoVista", "CheckBoxOff", "CheckBoxOn",
    // 230-239
    "GenerarCFDI", "CFDI", "ArchivoDD", "DetalleCFDIPol", "DocsFiscales", "DocsFiscalesXML", "DocsFiscalesVista",
    "Filtro", "ConstanciaRet", "Detalles",
    // 240-249
    "Vacaciones", "Quendal", "QuendalBloqueado", "PagosServT", "ConfigPS", "Concentrar", "ServidoresCorreo",
    "CuentasCorreo", "Generarpolizas", "CargarCFDIsdesde",
    // 250-259
    "Terceros", "ClasifArts", "RespaldosAutom", "ConfigEdit", "CalcBtn", "DsctosXCombosT", "ConfigDxC",
    "ConsultaDsctosCombos", "LugarExped", "Viaticos",
    // 260-269
    "RequiereCfdi", "RecibosPago", "Lupa", "AlmacenVista", "CatBancos", "PlantillaPoliza", "GenPolCfdi", "FxB",
    "MovPolizaDiario", "MovPolizaEgreso",
    // 270-279
    "MovPolizaIngreso", "ExportarExcel", "CfdiTraslados", "LocalizarArticulo", "AparienciaSistema", "BoxFull",
    "RestVta", "Sucursales", "ExiSucursal", "SucursalVista",
    // 280-289
    "ListasPrecios", "CerrarAbrir", "ConjuntosSuc", "AnguloAbrir", "AnguloCerrar", "AnguloAbrirAzul",
    "AnguloCerrarAzul", "ConfigFolios", "Infonavit", "SOS",
    // 290-299
    "DescargaAvisos", "DerEle", "IzqEle", "PriEleIzq", "UltEleDer", "AgregarComprobante", "SolicitudesTraspaso",
    "Traspasos", "AdmSuc", "Asistencias",
    // 300-309
    "DescargarTablasNO", "TraspasoAut", "TraspasoVerif", "TraspasoEnviar", "TraspasoRecibir", "Atencion", "Ok",
    "InfoCfdiPpd", "GenPolRep", "Turnos",
    // 310-319
    "HojaTrabajo", "DataManager", "LiquidarConEfe", "LiquidarConTarjeta", "CobCxcBv", "DevVtaPvBv", "OrdVtaBv",
    "PagosServBv", "RetIngBv", "VentasPvBv",
    // 320-329
    "CierresBv", "DsctosXCombosBv", "AgregaPrefer", "EliminaPrefer", "CambiarPrecios", "FacturadoEnLinea",
    "NuevaEtiq", "FiltroEtiquetas", "Etiquetas", "Importado",
    // 330-339
    "SeleccionarTodo", "Clip", "CasosDePrueba", "Proyectos", "Temas", "Ejecuciones", "AlmacenVistaOr",
    "AlmacenVistaDest", "SucursalVistaEnv", "SucursalVistaRec",
    // 340-349
    "Aceptado", "Denegado", "Neutral", "ConciliadorFiscal", "CotizacionPVBv", "EliminarD", "AplDsctoExtraD",
    "VerTotalesD", "SuspenderD", "GuardarCerrarT",
    // 350-359
    "AplDsctoExtraT", "NuevaCotizacionD", "VerBarraD", "LiqOrdVtaT", "LiquidarConEfeD", "AyudaT", "LocalizarD",
    "SuspenderT", "OrdenarCotizacionT", "CancelarD",
    // 360-369
    "LocalizarT", "CerrarAbrirD", "GuardarNT", "PagosServD", "DatosCliT", "ConcentrarT", "PreciosExisT", "VerBarraT",
    "CapturaRapidaD", "LiqVarOrdVtaT",
    // 370-379
    "EliminarT", "GuardarCerrarD", "AbrirCajonD", "ModificarD", "AbrirVtaDevT", "LiqVarOrdVtaD", "EleSigD",
    "LiquidarConTarjetaD", "VentasPvD", "OrdenarVariasCotizacionesT",
    // 380-389
    "EleSigT", "ConcentrarD", "AyudaD", "CerrarVtaT", "OrdVtaD", "GuardarND", "LiquidarConEfeT", "ModificarA",
    "AbrirVtaDevD", "ModificarT",
    // 390-399
    "CapturaRapidaA", "CancelarT", "NuevaCotizacionT", "RetenerVtaD", "EnviarT", "DatosCliD", "DevVtaPvD", "EleAntD",
    "EleAntT", "CierresD",
    // 400-409
    "RetIngD", "ImprimirT", "RetenerVtaT", "DsctosXCombosD", "VerTotalesT", "ContinuarVtaT", "EnviarD", "CerrarVtaD",
    "PreciosExisD", "AbrirCajonT",
    // 410-419
    "ContinuarVtaD", "CerrarAbrirT", "OrdenarVariasCotizacionesD", "LiqOrdVtaD", "ImprimirD", "LiquidarConTarjetaT",
    "CapturaRapidaT", "OrdenarCotizacionD", "CobCxcD", "Cierres",
    // 420-429
    "CobCxc", "DevVtaPv", "OrdVta", "VentasPv", "PagosServ", "RetIng", "OrdenarVariasCotizaciones",
    "OrdenarCotizacion", "CajaChica_Abierta", "CajaChica_Cerrada",
    // 430-433
    "NuevaCotizacion", "Busqueda_CajaChica", "ImportarCfd", "WhatsApp",
};
// clang-format on

// The edit-menu and selection collections: their pixel sizes and icons.
inline constexpr std::array TamanosImagenesEdtSel16{16, 20, 24, 28, 32};
inline constexpr std::array<const char*, 7> NombresEdtImagenes16{"Deshacer", "Cortar", "Copiar", "Pegar",
                                                                 "Borrar",   "Calc",   "QueEs"};
inline constexpr std::array<const char*, 6> NombresSelImagenes16{"QueEs",  "Abrir",    "Nuevo",
                                                                 "Buscar", "ActVista", "Checked"};
