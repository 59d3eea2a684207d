VERSION 5.00
Begin VB.Form Form1 
   ScaleMode       =   0  'User
   Begin FolivanTabs.FolivanTab FolivanTab1 
      Height          =   3600
      Left            =   0
      Top             =   0
      Width           =   4800
      Tabs            =   2
      Begin VB.TextBox Text1 
         Left            =   120
         TabIndex        =   1
      End
   End
End
