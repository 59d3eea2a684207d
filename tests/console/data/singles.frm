VERSION 5.00
Begin VB.Form Form1 
   ScaleMode       =   0  'User
   Begin FolivanTabs.FolivanTab FolivanTab1 
      Height          =   3600
      Left            =   0
      Top             =   0
      Width           =   4800
      Tabs            =   2
      Begin VB.Line Line1 
         X1              =   84.515
         X2              =   5309.398
      End
      Begin VB.Label Label1 
         Left            =   98.6
      End
   End
End
