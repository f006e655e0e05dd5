// Tests of the tray icon component.
